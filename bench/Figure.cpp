// SPDX-License-Identifier: MIT
#include "Figure.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

double Quantile(std::vector<double>& Values, double Fraction)
{
    if (Values.empty())
        return std::nan("");
    std::sort(Values.begin(), Values.end());
    const double Position = Fraction * double(Values.size() - 1);
    const auto Below = size_t(std::floor(Position));
    const size_t Above = std::min(Below + 1, Values.size() - 1);
    return Values[Below] + (Values[Above] - Values[Below]) * (Position - double(Below));
}

QString Number(double Value)
{
    if (std::isnan(Value))
        return QStringLiteral("-");
    return QString::number(Value, 'g', 4);
}

} // namespace

double Median(std::vector<double> Values)
{
    return Quantile(Values, 0.5);
}

double Spread(std::vector<double> Values)
{
    return Quantile(Values, 0.75) - Quantile(Values, 0.25);
}

QString TFigure::Line() const
{
    const double Ratio = Anchor.empty() ? std::nan("") : Median(Program) / Median(Anchor);
    return QStringList{Key,
                       Label,
                       Unit,
                       Number(Median(Program)),
                       Number(Spread(Program)),
                       Number(Median(Anchor)),
                       Number(Spread(Anchor)),
                       Number(Ratio),
                       QString::number(Program.size()),
                       Goal.isEmpty() ? QStringLiteral("-") : Goal}
        .join(QLatin1Char('\t'));
}
