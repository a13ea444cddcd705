#pragma once

#include "data/SafeFile.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QPrinter;
class QWidget;

// A document for the print preview: painted page by page on the printer it is given. With an
// option text the preview offers that choice (one page wide, ...) and hands its state to `paint`.
struct PrintDocument
{
    QString title;
    std::function<void(QPrinter &printer, bool option)> paint;
    QString optionText;
};

// Every message box, question and file dialog of Wrenly goes through this interface, so tests
// can answer them without a modal loop. Texts are passed exactly as the program words them
// (with CR LF line breaks); positions are the top-left corner of the box on the screen.
class Dialogs
{
public:
    enum class Answer { Yes, No, Ok, Cancel };

    virtual ~Dialogs() = default;

    // A plain message with OK, captioned with the application title.
    virtual void inform(QWidget *parent, const QString &text, std::optional<QPoint> at = std::nullopt) = 0;
    // A message with OK and a caption of its own.
    virtual void informCaptioned(QWidget *parent, const QString &caption, const QString &text) = 0;
    // Closing a question box without choosing counts as the negative answer.
    virtual Answer askYesNo(QWidget *parent, const QString &text,
                            std::optional<QPoint> at = std::nullopt) = 0;
    virtual Answer askOkCancel(QWidget *parent, const QString &text,
                               std::optional<QPoint> at = std::nullopt) = 0;
    // A file that could not be read or written.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // An open-file dialog; an empty result means cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // A save-file dialog starting at `path` (folder and proposed name); empty means cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                 const QString &filter) = 0;
    // The print preview, from which the user prints or writes a PDF file.
    virtual void previewPrint(QWidget *parent, const PrintDocument &document) = 0;

    // Every file error reads alike: what failed, the file in full, the system's reason, and after a
    // failed write that the file on disk is as it was. `subject` names the kind of file.
    static QString fileErrorText(FileOperation operation, const QString &path, const QString &reason,
                                 const QString &subject = QStringLiteral("ファイル"));
    void fileError(QWidget *parent, FileOperation operation, const QString &path, const QString &reason,
                   const QString &subject = QStringLiteral("ファイル"))
    {
        error(parent, fileErrorText(operation, path, reason, subject));
    }
    // A file another program changed since Wrenly read it: it was not overwritten, it has been read
    // again, and what the user was editing is still on screen.
    static QString changedOnDiskText(const QString &path,
                                     const QString &subject = QStringLiteral("ファイル"));
    void changedOnDisk(QWidget *parent, const QString &path,
                       const QString &subject = QStringLiteral("ファイル"))
    {
        error(parent, changedOnDiskText(path, subject));
    }
};

class QtDialogs final : public Dialogs
{
public:
    void inform(QWidget *parent, const QString &text, std::optional<QPoint> at) override;
    void informCaptioned(QWidget *parent, const QString &caption, const QString &text) override;
    Answer askYesNo(QWidget *parent, const QString &text, std::optional<QPoint> at) override;
    Answer askOkCancel(QWidget *parent, const QString &text, std::optional<QPoint> at) override;
    void error(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                         const QString &filter) override;
    void previewPrint(QWidget *parent, const PrintDocument &document) override;

    // The dialog openFileName runs, ready to show.
    static std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget *parent, const QString &caption,
                                                           const QString &folder, const QString &filter);
};
