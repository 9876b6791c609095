// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "TSetupSupporter.h"
#include "ui_template.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class TTwoJumper;

// The main window of the card page: its components come from the card page description;
// its handlers tie the option controls to the drawn jumpers.
class TMainForm : public QMainWindow, public Ui::TMainForm {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* Parent = nullptr);

    // Not a widget, so made here with the values the card page stores for it. Watched, as a
    // card page may delete it.
    QPointer<TSetupSupporter> SetSup;

    // Hooks the application's idle event to the supporter, which then does its start-up work.
    void FormCreate(QObject* Sender);
    void Exit2Click(QObject* Sender);
    // The supporter's windows exist from its start-up work on; until then nothing is shown.
    void Howtousethisprogram1Click(QObject* Sender);
    void TechnicalSupport1Click(QObject* Sender);

    // Base address: BaseEdit and seven address jumpers made on the panel's first entry.
    void BasePanelEnter(QObject* Sender);
    // Key is the typed character; the handler may change it, or discard it by setting 0.
    void BaseEditKeyPress(QObject* Sender, char16_t& Key);
    void BaseEditChange(QObject* Sender);

    // IRQ level: IRQBox and the jumpers IRQ0 to IRQ10, which count positions, not IRQs.
    void IRQPanelEnter(QObject* Sender);
    void IRQBoxChange(QObject* Sender);
    void IRQJumperClick(QObject* Sender);

    // Input filters: box i and jumper i stand for input bit i.
    void FilterPanelEnter(QObject* Sender);
    void FilterCheckClick(QObject* Sender);
    void TwoJumperClick(QObject* Sender);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool FilterBaseEditKey(const QKeyEvent& Key);
    void AddressJumperClick(QObject* Sender);
    void SetBaseText(const QString& Text);
    void SelectIRQItemByText(const QString& Text);
    QList<TTwoJumper*> IRQJumpersByName() const;
    QList<TTwoJumper*> FilterJumpersByName() const;
    QList<QCheckBox*> FilterChecksByName() const;

    // Empty until their panel is first entered; index 0 is address bit 3, IRQ0, input bit 0.
    QList<TTwoJumper*> AddressJumpers;
    QList<QLabel*> AddressLabels;
    QList<TTwoJumper*> IRQJumpers;
    QList<TTwoJumper*> FilterJumpers;
    QList<QCheckBox*> FilterChecks;
};
