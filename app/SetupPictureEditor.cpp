#include "app/SetupPictureEditor.h"

#include "app/SetupDialog.h"
#include "data/ConfigPath.h"
#include "data/PictureFrame.h"
#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "platform/Services.h"
#include "widgets/PictureWidget.h"
#include "widgets/UpDownWidget.h"

#include "ui_SetupDialog.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

void showPathFromStart(QLineEdit *edit, const QString &path)
{
    edit->setText(path);
    edit->setCursorPosition(0);
}

SetupPictureEditor::SetupPictureEditor(Ui::SetupDialog &ui, Session &session, Services &services,
                                       SetupHost &host, QWidget *dialog)
    : QObject(dialog), m_ui(ui), m_session(session), m_services(services), m_host(host), m_dialog(dialog)
{
    for (int i = 0; i < PictureFrame::SizeCount; ++i)
        m_ui.pictureSizeComboBox->addItem(PictureFrame::caption(i));
    // Only the user's choice resets the offsets; filling the box does not.
    connect(m_ui.pictureSizeComboBox, &QComboBox::activated, this, &SetupPictureEditor::selectSize);
    for (UpDownWidget *upDown : {m_ui.verticalUpDown, m_ui.horizontalUpDown}) {
        upDown->setRange(-PictureFrame::OffsetLimit, PictureFrame::OffsetLimit);
        upDown->setPosition(0);
        connect(upDown, &UpDownWidget::aboutToStep, this, [this, upDown](int direction, bool *allow) {
            *allow = false;
            stepOffset(upDown, direction);
        });
    }
    for (QPushButton *b : {m_ui.centerButton, m_ui.proportionalButton, m_ui.stretchButton})
        connect(b, &QPushButton::clicked, this, [this, b] { toggleMode(b); });
    connect(m_ui.pictureApplyButton, &QPushButton::clicked, this, &SetupPictureEditor::apply);
    connect(m_ui.pictureInitializeButton, &QPushButton::clicked, this, &SetupPictureEditor::initialize);
    connect(m_ui.pictureSelectButton, &QPushButton::clicked, this, &SetupPictureEditor::select);
    connect(m_ui.pictureClearButton, &QPushButton::clicked, this, &SetupPictureEditor::clear);
}

void SetupPictureEditor::showConfigured()
{
    const Config &config = m_session.config();
    showPathFromStart(m_ui.pictureNameEdit, config.picturePath);
    if (!config.picturePath.isEmpty() && QFileInfo::exists(config.picturePath)) {
        // Numbers from the file are kept to what the panel can show.
        m_ui.previewWidget->setGeometry(
            qBound(-200, config.pictureLeft, 200), qBound(-200, config.pictureTop, 200),
            qBound(0, config.pictureWidth, 400), qBound(0, config.pictureHeight, 400));
        QString why;
        const QImage image = Picture::load(config.picturePath, &why);
        if (image.isNull())
            m_services.dialogs.fileError(m_dialog, FileOperation::Read, config.picturePath, why, u"写真"_s);
        m_ui.previewWidget->setImage(image);
        showModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
    }

    const PictureFrame::Placement placement =
        PictureFrame::of(config.pictureTop, config.pictureHeight, config.pictureLeft);
    m_ui.pictureSizeComboBox->setCurrentIndex(placement.sizeIndex);
    showOffsets(placement.vertical, placement.horizontal);
}

void SetupPictureEditor::select()
{
    const QString path = m_services.dialogs.openFileName(
        m_dialog, u"写真を選択"_s, m_session.exeDir(),
        u"すべてのファイル (*.jpg *.jpeg *.bmp *.ico *.JPG *.JPEG *.BMP *.ICO);;"_s
        u"JPEG イメージファイル (*.jpg *.JPG);;JPEG イメージファイル (*.jpeg *.JPEG);;"_s
        u"ビットマップ (*.bmp *.BMP);;アイコン (*.ico *.ICO)"_s);
    if (path.isEmpty())
        return;
    if (!ConfigPath::canKeep(path, m_session.exeDir())) {
        m_services.dialogs.inform(m_dialog, ConfigPath::refusalText(path), m_host.hostMessagePos());
        return;
    }
    QString why;
    const QImage image = Picture::load(path, &why);
    // A file that is no picture changes nothing: the old picture and its path stay.
    if (image.isNull()) {
        m_services.dialogs.fileError(m_dialog, FileOperation::Read, path, why, u"写真"_s);
        return;
    }
    showPathFromStart(m_ui.pictureNameEdit, path);
    m_session.config().picturePath = path;
    m_ui.previewWidget->setImage(image);
    initialize();
}

void SetupPictureEditor::clear()
{
    m_ui.pictureNameEdit->clear();
    m_session.config().picturePath.clear();
    m_ui.previewWidget->setImage(QImage());
    initialize();
}

void SetupPictureEditor::initialize()
{
    m_ui.previewWidget->setGeometry(10, 10, 180, 180);
    showModes(false, false, false);
    m_ui.pictureSizeComboBox->setCurrentIndex(0);
    showOffsets(0, 0);
}

void SetupPictureEditor::showOffsets(int vertical, int horizontal)
{
    m_ui.verticalUpDown->setPosition(vertical);
    m_ui.horizontalUpDown->setPosition(horizontal);
    m_ui.verticalEdit->setText(QString::number(m_ui.verticalUpDown->position()));
    m_ui.horizontalEdit->setText(QString::number(m_ui.horizontalUpDown->position()));
}

void SetupPictureEditor::showModes(bool center, bool proportional, bool stretch)
{
    m_ui.previewWidget->setModes(center, proportional, stretch);
    // A mode that is on shows its button pressed.
    m_ui.centerButton->setChecked(center);
    m_ui.proportionalButton->setChecked(proportional);
    m_ui.stretchButton->setChecked(stretch);
}

void SetupPictureEditor::toggleMode(QPushButton *button)
{
    const PictureWidget *preview = m_ui.previewWidget;
    bool center = preview->center();
    bool proportional = preview->proportional();
    bool stretch = preview->stretch();
    if (button == m_ui.centerButton)
        center = !center;
    else if (button == m_ui.proportionalButton)
        proportional = !proportional;
    else
        stretch = !stretch;
    showModes(center, proportional, stretch);
}

void SetupPictureEditor::selectSize(int index)
{
    m_ui.pictureSizeComboBox->setCurrentIndex(index);
    m_ui.previewWidget->setGeometry(PictureFrame::frame(index, 0, 0));
    showOffsets(0, 0);
}

void SetupPictureEditor::stepOffset(UpDownWidget *upDown, int direction)
{
    UpDownWidget *vertical = m_ui.verticalUpDown;
    UpDownWidget *horizontal = m_ui.horizontalUpDown;
    const int offset = PictureFrame::stepped(upDown->position(), direction);
    if (upDown == vertical)
        showOffsets(offset, horizontal->position());
    else
        showOffsets(vertical->position(), offset);
    // Only the moved side changes: a frame set by hand keeps its size.
    const QRect moved = PictureFrame::frame(m_ui.pictureSizeComboBox->currentIndex(), vertical->position(),
                                            horizontal->position());
    QRect frame = m_ui.previewWidget->geometry();
    if (upDown == vertical)
        frame.moveTop(moved.top());
    else
        frame.moveLeft(moved.left());
    m_ui.previewWidget->setGeometry(frame);
}

void SetupPictureEditor::apply()
{
    Config &config = m_session.config();
    const PictureWidget *preview = m_ui.previewWidget;
    config.picturePath = m_ui.pictureNameEdit->text();
    const QRect frame = preview->geometry();
    config.pictureTop = frame.top();
    config.pictureHeight = frame.height();
    config.pictureLeft = frame.left();
    config.pictureWidth = frame.width();
    config.pictureCenter = preview->center();
    config.pictureProportional = preview->proportional();
    config.pictureStretch = preview->stretch();
    if (!config.picturePath.isEmpty())
        m_host.showConfiguredPicture(preview->image());
}
