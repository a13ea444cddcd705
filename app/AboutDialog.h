#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// The program's name, its version as built and who to ask.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    static QString versionText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::AboutDialog> m_ui;
};
