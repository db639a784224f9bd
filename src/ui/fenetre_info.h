#pragma once

#include "dossiers.h"

#include <QDialog>
#include <filesystem>

namespace tavik::ui {

// The about box "A propos...": the program's title, credits, the version installed and where
// its documentation is. Modal; a fresh one for each opening; "OK" closes it.
class FenetreInfo : public QDialog
{
    Q_OBJECT

public:
    // `documentation`: the installed documentation folder (README, licence), offered as a link
    // when it holds the README; otherwise the box points to "tavik --help".
    explicit FenetreInfo(QWidget* parent = nullptr,
                         const std::filesystem::path& documentation
                         = dossier_documentation_installee());

    void CmdOk_Click() { accept(); }

    // The descriptive title as it reads, initials included.
    static QString titre();
};

} // namespace tavik::ui
