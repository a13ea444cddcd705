#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class JobCommentsPopup;
}

// The job's comments as the step file keeps them ("基本データの[内容]"): a small borderless box
// that a click on its text closes. It deletes itself when closed.
class JobCommentsPopup final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JobCommentsPopup)
public:
    JobCommentsPopup(const QString &comments, QWidget *parent = nullptr);
    ~JobCommentsPopup() override;

    // The comments (CR LF line breaks) followed by how to close the box.
    static QString textFor(const QString &comments);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::JobCommentsPopup> m_ui;
};
