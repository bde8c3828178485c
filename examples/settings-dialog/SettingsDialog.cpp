#include "SettingsDialog.h"
#include "ui_SettingsDialog.h"

SettingsDialog::SettingsDialog(WForm* parent) : WForm(parent), ui(new Ui::SettingsDialog)
{
    ui->setupUi(this);
    // exec() returns what exit() is given; closing the window any other way (its close
    // button, Escape) returns 0, which is Rejected as well.
    connect(ui->okButton, &WButton::Clicked, this, [this] { exit(Accepted); });
    connect(ui->cancelButton, &WButton::Clicked, this, [this] { exit(Rejected); });
}

// Here, where Ui::SettingsDialog is complete.
SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::SetSettings(const Settings& settings)
{
    ui->nameEdit->SetText(settings.displayName);
    ui->themeBox->SetSelectedIndex(settings.theme);
    ui->textSizeTrack->SetValue1(settings.textSize);
    ui->notificationsSwitch->SetChecked(settings.notifications);
    ui->autosaveCheck->SetChecked(settings.autosave);
}

Settings SettingsDialog::CurrentSettings() const
{
    Settings settings;
    settings.displayName = ui->nameEdit->Text().trimmed();
    settings.theme = ui->themeBox->SelectedIndex();
    settings.textSize = ui->textSizeTrack->Value1();
    settings.notifications = ui->notificationsSwitch->Checked();
    settings.autosave = ui->autosaveCheck->Checked();
    return settings;
}
