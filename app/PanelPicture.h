#pragma once

#include <QImage>

class Dialogs;
class PictureWidget;
class QWidget;
class Session;

// The picture under the job panel: read from the configured file when it first shows, framed and
// scaled as the configuration says.
class PanelPicture final
{
public:
    PanelPicture(PictureWidget &picture, const Session &session, Dialogs &dialogs, QWidget &window);

    // Reads the picture once; a file that cannot be read is reported and leaves the frame empty.
    void load();
    // Shows `image` (a null image keeps the shown one) in the configured frame and modes.
    void show(const QImage &image);

private:
    void frame();

    PictureWidget &m_picture;
    const Session &m_session;
    Dialogs &m_dialogs;
    QWidget &m_window;
    bool m_loaded = false;
};
