#pragma once

#include <QObject>

class QLineEdit;
class QPushButton;
class QString;
class QWidget;
class Session;
class SetupHost;
class UpDownWidget;
struct Services;

namespace Ui {
class SetupDialog;
}

// The picture page of the setup dialog: the picture file, its frame in a preview of the main
// window's picture panel, and its modes. Apply hands it to the main window.
class SetupPictureEditor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupPictureEditor)
public:
    SetupPictureEditor(Ui::SetupDialog &ui, Session &session, Services &services, SetupHost &host,
                       QWidget *dialog);

    // Shows the picture and frame of the configuration.
    void showConfigured();
    // Writes the picture, its frame and modes into the configuration and shows them in the main window.
    void apply();

private:
    void select();
    void clear();
    void initialize();
    void toggleMode(QPushButton *button);
    void selectSize(int index);
    void stepOffset(UpDownWidget *upDown, int direction);
    void showOffsets(int vertical, int horizontal);
    void showModes(bool center, bool proportional, bool stretch);

    Ui::SetupDialog &m_ui;
    Session &m_session;
    Services &m_services;
    SetupHost &m_host;
    QWidget *m_dialog;
};

// Shows `path` in `edit` from its start: the folder says more than the end of the name.
void showPathFromStart(QLineEdit *edit, const QString &path);
