#pragma once

#include <WForm.h>

#include <QString>

#include <memory>

namespace Ui {
class SettingsDialog;
}

// What the dialog edits. The theme is the index of its line in the dialog's list.
struct Settings
{
    QString displayName;
    int theme = 0;
    int textSize = 11;
    bool notifications = true;
    bool autosave = false;
};

// The dialog itself is drawn in Designer (SettingsDialog.ui); this class only moves values in
// and out of it and decides what OK and Cancel mean.
class SettingsDialog : public WForm
{
public:
    // exec() returns one of these.
    enum Result { Rejected = 0, Accepted = 1 };

    // A WForm parent makes the dialog its child window, centred on it by exec(true).
    explicit SettingsDialog(WForm* parent = nullptr);
    ~SettingsDialog() override;

    void SetSettings(const Settings& settings);
    Settings CurrentSettings() const;

private:
    std::unique_ptr<Ui::SettingsDialog> ui;
};
