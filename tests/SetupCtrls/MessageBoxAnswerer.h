// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

// Answers message boxes as they open: notes what each one showed, then clicks the next of
// the given answers; once they run out it closes the box from its title bar.
class TMessageBoxAnswerer : public QObject {
public:
    struct TSeenBox {
        QString Caption;
        QString Text;
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons Buttons;
        QMessageBox::StandardButton Default = QMessageBox::NoButton;
        Qt::WindowModality Modality = Qt::NonModal;
        bool OnTop = false;
    };

    explicit TMessageBoxAnswerer(QList<QMessageBox::StandardButton> Answers = {})
        : FAnswers(std::move(Answers))
    {
        connect(&FPoll, &QTimer::timeout, this, &TMessageBoxAnswerer::Answer);
        FPoll.start(10);
    }

    QList<TSeenBox> Seen;

private:
    void Answer()
    {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!Box || !Box->isVisible())
            return;
        Seen.append({Box->windowTitle(), Box->text(), Box->icon(), Box->standardButtons(),
                     Box->standardButton(Box->defaultButton()), Box->windowModality(),
                     Box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
        QAbstractButton* Button = FAnswers.isEmpty() ? nullptr : Box->button(FAnswers.takeFirst());
        if (Button)
            Button->click();
        else
            Box->close();
    }

    QList<QMessageBox::StandardButton> FAnswers;
    QTimer FPoll;
};
