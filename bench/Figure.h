// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

// One line of the benchmark table: a figure of the program measured side by side with
// its anchor, each as the median of several runs with the interquartile range as spread.
struct TFigure {
    QString Key;   // short name, the key in the JSON file
    QString Label; // what was measured, for the table
    QString Unit;
    std::vector<double> Program;
    std::vector<double> Anchor; // empty: the figure has no anchor
    QString Goal;               // the goal as text, such as "<= 1.15x"

    // Key, label, unit, program median and spread, anchor median and spread, ratio,
    // runs and goal, separated by tabs, as scripts/bench reads them.
    QString Line() const;
};

double Median(std::vector<double> Values);
// The distance between the first and the third quartile.
double Spread(std::vector<double> Values);
