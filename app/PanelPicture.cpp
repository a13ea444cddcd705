#include "app/PanelPicture.h"

#include "data/PictureFrame.h"
#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "widgets/PictureWidget.h"

#include <QFileInfo>

PanelPicture::PanelPicture(PictureWidget &picture, const Session &session, Dialogs &dialogs, QWidget &window)
    : m_picture(picture), m_session(session), m_dialogs(dialogs), m_window(window)
{}

void PanelPicture::frame()
{
    const Config &config = m_session.config();
    m_picture.setGeometry(PictureFrame::shown(config.pictureLeft, config.pictureTop, config.pictureWidth,
                                              config.pictureHeight));
}

void PanelPicture::show(const QImage &image)
{
    const Config &config = m_session.config();
    frame();
    if (!image.isNull())
        m_picture.setImage(image);
    m_picture.setModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
    // Nothing left to read when the job panel gives way to the picture.
    m_loaded = true;
}

void PanelPicture::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const Config &config = m_session.config();
    if (config.picturePath.isEmpty() || !QFileInfo::exists(config.picturePath))
        return;
    frame();
    QString why;
    const QImage image = Picture::load(config.picturePath, &why);
    if (image.isNull()) {
        m_dialogs.fileError(&m_window, FileOperation::Read, config.picturePath, why);
        return;
    }
    show(image);
}
