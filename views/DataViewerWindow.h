#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <memory>

class QPlainTextEdit;
class ViewHost;

namespace Ui {
class DataViewerWindow;
}

// A month's records as read-only text, newest first, beside the main window. Shown modally for
// the month of the main window and without a modal loop from the past-data output; its close
// button closes it either way.
class DataViewerWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataViewerWindow)
public:
    static constexpr int WindowWidth = 350;
    static constexpr int WindowLeft = 420;

    // `lines` are the text's lines; the window is as high as the host's main window.
    DataViewerWindow(ViewHost &host, const QString &caption, const QStringList &lines,
                     QWidget *parent = nullptr);
    ~DataViewerWindow() override;

    QPlainTextEdit *textView() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DataViewerWindow> m_ui;
    bool m_placed = false;
    QPointer<QWidget> m_mainWindow;
};
