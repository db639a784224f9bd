#pragma once

#include <QDialog>

namespace tavik::ui {

// The about box "A propos...": the program's title, credits and where to find news and
// report problems. Modal; a fresh one for each opening; "OK" closes it.
class FenetreInfo : public QDialog
{
    Q_OBJECT

public:
    explicit FenetreInfo(QWidget* parent = nullptr);

    void CmdOk_Click() { accept(); }

    // The descriptive title as it reads, initials included.
    static QString titre();
};

} // namespace tavik::ui
