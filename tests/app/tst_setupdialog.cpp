#include "support/MainWindowFixture.h"

#include "app/SetupDialog.h"
#include "data/ReminderSettings.h"
#include "data/SjisCodec.h"
#include "platform/Autostart.h"
#include "widgets/PictureWidget.h"
#include "widgets/UpDownWidget.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

using namespace Qt::StringLiterals;

// The main window on a fixed day with the setup dialog opened from its menu; `act` works in it.
struct SetupFixture : MainWindowFixture
{
    explicit SetupFixture(const std::function<void(Config &)> &configure = {})
    {
        Config c = Config::fromFileBytes(Config::defaultFileBytes(folder.path()));
        if (configure)
            configure(c);
        folder.write(Config::fileName(), c.toFileBytes());
        start();
        fakes.dialogs.clear(); // the month file still to be made
    }
    void open(const std::function<void(SetupDialog &)> &act)
    {
        window->showSetupModal = act;
        trigger("setupAction");
    }
    static void click(SetupDialog &d, const char *name)
    {
        child<QPushButton>(d, QLatin1StringView(name))->click();
    }
    static QStringList items(SetupDialog &d, const char *list)
    {
        QStringList out;
        auto *w = child<QListWidget>(d, QLatin1StringView(list));
        for (int i = 0; i < w->count(); ++i)
            out << w->item(i)->text();
        return out;
    }
    QString picturePath(const QString &name, bool image) const
    {
        const QString path = folder.file(name);
        if (image) {
            QImage picture(40, 30, QImage::Format_RGB32);
            picture.fill(Qt::red);
            picture.save(path, "BMP");
        } else {
            folder.write(name, "not a picture");
        }
        return path;
    }
};

class TestSetupDialog : public QObject
{
    Q_OBJECT
private slots:
    void listEditing_data();
    void listEditing();
    void apply_cutsEntriesAndRefillsBox_data();
    void apply_cutsEntriesAndRefillsBox();
    void pictureFrame_opensInitialisesAndApplies();
    void pictureThatIsNoImage_keepsOldPicture();
    void partnerSelect_data();
    void partnerSelect();
    void clearedPathSaved_disablesAction();
    void save_configDeletedMeanwhile_writesAllLinesAnew();
    void cancel_writesNothing();
    void startupButton_createsThenRemovesEntry();
    void notificationPage_savesSettingsAndTrayStart();
    void pasteRefused_saysWhyWithoutTakingClicks();
};

void TestSetupDialog::listEditing_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");
    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    const QStringList five{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
    QTest::newRow("append to four") << five.mid(0, 4) << -1 << u"customerAppendButton"_s << u"e"_s << five
                                    << -1;
    QTest::newRow("append to five: nothing")
        << five << -1 << u"customerAppendButton"_s << u"f"_s << five << -1;
    QTest::newRow("append empty: nothing")
        << abc << -1 << u"customerAppendButton"_s << QString() << abc << -1;
    QTest::newRow("Enter in the box adds once")
        << abc << -1 << u"Enter"_s << u"d"_s << abc + QStringList{u"d"_s} << -1;
    QTest::newRow("append duplicate")
        << abc << -1 << u"customerAppendButton"_s << u"a"_s << abc + QStringList{u"a"_s} << -1;
    QTest::newRow("up") << abc << 1 << u"customerUpButton"_s << QString()
                        << QStringList{u"b"_s, u"a"_s, u"c"_s} << 0;
    QTest::newRow("up at first") << abc << 0 << u"customerUpButton"_s << QString() << abc << 0;
    QTest::newRow("up unselected") << abc << -1 << u"customerUpButton"_s << QString() << abc << -1;
    QTest::newRow("up single") << QStringList{u"a"_s} << 0 << u"customerUpButton"_s << QString()
                               << QStringList{u"a"_s} << 0;
    QTest::newRow("down") << abc << 1 << u"customerDownButton"_s << QString()
                          << QStringList{u"a"_s, u"c"_s, u"b"_s} << 2;
    QTest::newRow("down at last") << abc << 2 << u"customerDownButton"_s << QString() << abc << 2;
    QTest::newRow("delete") << abc << 1 << u"customerDeleteButton"_s << QString()
                            << QStringList{u"a"_s, u"c"_s} << -1;
    QTest::newRow("clear") << abc << 1 << u"customerClearButton"_s << QString() << QStringList() << -1;
}

void TestSetupDialog::listEditing()
{
    QFETCH(QStringList, start);
    QFETCH(int, selected);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    SetupFixture f([&](Config &c) { Config::setList(c.customerList, start); });
    f.open([&](SetupDialog &d) {
        auto *list = child<QListWidget>(d, "customerList");
        list->setCurrentRow(selected);
        auto *edit = child<QLineEdit>(d, "customerEdit");
        edit->setText(typed);
        if (button == u"Enter") {
            // Shown, so that a default button of the dialog would answer the key too.
            d.show();
            child<QTabWidget>(d, "tabWidget")->setCurrentIndex(0);
            edit->setText(typed); // showing empties it
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            SetupFixture::click(d, button.toLatin1().constData());
        }
        QCOMPARE(SetupFixture::items(d, "customerList"), expected);
        if (selectedAfter >= 0)
            QCOMPARE(list->currentRow(), selectedAfter);
    });
    // Nothing reaches the configuration before apply.
    QCOMPARE(f.window->session().config().customerList[0], start.value(0));
}

void TestSetupDialog::apply_cutsEntriesAndRefillsBox_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<int>("deleteRow");
    QTest::addColumn<QStringList>("entries");
    const QString kana16 = QString(16, u'あ'); // 32 bytes
    QTest::newRow("five reduced to four") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s} << 4
                                          << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, QString()};
    QTest::newRow("cut at 31 bytes, whole characters")
        << QStringList{kana16, u"a"_s + kana16, QString(40, u'x')} << -1
        << QStringList{QString(15, u'あ'), u"a"_s + QString(15, u'あ'), QString(31, u'x'), QString(),
                       QString()};
}

void TestSetupDialog::apply_cutsEntriesAndRefillsBox()
{
    QFETCH(QStringList, start);
    QFETCH(int, deleteRow);
    QFETCH(QStringList, entries);
    SetupFixture f;
    auto *box = f.find<QComboBox>("customerBox");
    box->setEditText(u"typed"_s);
    f.open([&](SetupDialog &d) {
        auto *list = child<QListWidget>(d, "customerList");
        list->addItems(start); // as typed, before any cut
        if (deleteRow >= 0) {
            list->setCurrentRow(deleteRow);
            SetupFixture::click(d, "customerDeleteButton");
        }
        SetupFixture::click(d, "customerApplyButton");
    });
    const auto &list = f.window->session().config().customerList;
    QCOMPARE(QStringList(list.begin(), list.end()), entries);
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    entries.removeAll(QString());
    QCOMPARE(items, entries);
    QCOMPARE(box->currentText(), u"typed"_s);
    for (const QString &item : items) // the drop-down as wide as its longest entry
        QVERIFY(box->view()->minimumWidth() > box->view()->fontMetrics().horizontalAdvance(item));
    // Applied, not saved.
    QCOMPARE(Config::fromFileBytes(f.folder.read(Config::fileName())).customerList[0], QString());
}

void TestSetupDialog::pictureFrame_opensInitialisesAndApplies()
{
    SetupFixture f([&](Config &c) {
        c.picturePath = QString(); // set below, once the folder exists
        c.pictureHeight = 150;
        c.pictureWidth = 150;
        c.pictureTop = 20;
        c.pictureLeft = 30;
    });
    const QString path = f.picturePath(u"pic.bmp"_s, true);
    f.window->session().config().picturePath = path;
    f.open([&](SetupDialog &d) {
        auto *preview = child<PictureWidget>(d, "previewWidget");
        QCOMPARE(child<QComboBox>(d, "pictureSizeComboBox")->currentText(), u"150 x 150"_s);
        QCOMPARE(child<QLineEdit>(d, "verticalEdit")->text(), u"5"_s);
        QCOMPARE(child<QLineEdit>(d, "horizontalEdit")->text(), u"5"_s);
        QCOMPARE(preview->geometry(), QRect(30, 20, 150, 150));
        QVERIFY(!preview->image().isNull());

        SetupFixture::click(d, "pictureInitializeButton");
        QCOMPARE(preview->geometry(), QRect(10, 10, 180, 180));
        QCOMPARE(child<QComboBox>(d, "pictureSizeComboBox")->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>(d, "verticalEdit")->text(), u"0"_s);
        QVERIFY(!preview->center() && !preview->proportional() && !preview->stretch());
        QVERIFY(!child<QPushButton>(d, "centerButton")->isChecked());

        // 120 x 120 centred at 40, then two steps up and one right, stretched.
        child<QComboBox>(d, "pictureSizeComboBox")->setCurrentIndex(2);
        emit child<QComboBox>(d, "pictureSizeComboBox")->activated(2);
        child<UpDownWidget>(d, "verticalUpDown")->requestStep(+1);
        child<UpDownWidget>(d, "verticalUpDown")->requestStep(+1);
        child<UpDownWidget>(d, "horizontalUpDown")->requestStep(+1);
        SetupFixture::click(d, "stretchButton");
        QVERIFY(child<QPushButton>(d, "stretchButton")->isChecked());
        QCOMPARE(child<QLineEdit>(d, "verticalEdit")->text(), u"4"_s);
        QCOMPARE(preview->geometry(), QRect(42, 36, 120, 120));
        SetupFixture::click(d, "pictureApplyButton");
    });
    auto *main = f.find<PictureWidget>("picture");
    QCOMPARE(main->geometry(), QRect(42, 36, 120, 120));
    QVERIFY(main->stretch() && !main->center());
    QVERIFY(!main->image().isNull());
    const Config &c = f.window->session().config();
    QCOMPARE(QList<int>({c.pictureTop, c.pictureHeight, c.pictureLeft, c.pictureWidth}),
             QList<int>({36, 120, 42, 120}));
}

void TestSetupDialog::pictureThatIsNoImage_keepsOldPicture()
{
    SetupFixture f;
    const QString old = f.picturePath(u"old.bmp"_s, true);
    const QString bad = f.picturePath(u"bad.jpg"_s, false);
    f.window->session().config().picturePath = old;
    f.fakes.dialogs.fileNames.push_back(bad);
    f.open([&](SetupDialog &d) {
        const QImage before = child<PictureWidget>(d, "previewWidget")->image();
        SetupFixture::click(d, "pictureSelectButton");
        QCOMPARE(child<QLineEdit>(d, "pictureNameEdit")->text(), old);
        QCOMPARE(child<PictureWidget>(d, "previewWidget")->image(), before);
    });
    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(f.fakes.dialogs.lastText().startsWith(u"写真を読み込めませんでした."_s));
    QVERIFY(f.fakes.dialogs.lastText().contains(bad));
    QCOMPARE(f.window->session().config().picturePath, old);
}

void TestSetupDialog::partnerSelect_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("Pellmark wrong") << u"pellmarkSelectButton"_s << u"Trevant.exe"_s << u"pellmarkPathEdit"_s
                                    << u"Pellmark を選択してください."_s;
    QTest::newRow("Trevant wrong") << u"trevantSelectButton"_s << u"Trevant2"_s << u"trevantPathEdit"_s
                                   << u"Trevant を選択してください."_s;
    QTest::newRow("Dossaro wrong") << u"dossaroSelectButton"_s << u"Dossaro.sh"_s << u"dossaroPathEdit"_s
                                   << u"Dossaro 以外が選択されました."_s;
    QTest::newRow("Pellmark other case")
        << u"pellmarkSelectButton"_s << u"pellmark.EXE"_s << u"pellmarkPathEdit"_s << QString();
    QTest::newRow("Trevant without .exe")
        << u"trevantSelectButton"_s << u"TREVANT"_s << u"trevantPathEdit"_s << QString();
    QTest::newRow("Dossaro") << u"dossaroSelectButton"_s << u"Dossaro.exe"_s << u"dossaroPathEdit"_s
                             << QString();
    const QString notInShiftJis = u"選択したファイルの場所には, 設定ファイル(Shift-JIS)に保存できない"_s;
    QTest::newRow("Trevant under café/")
        << u"trevantSelectButton"_s << u"café/Trevant.exe"_s << u"trevantPathEdit"_s << notInShiftJis;
    QTest::newRow("picture under café/")
        << u"pictureSelectButton"_s << u"café/a.bmp"_s << u"pictureNameEdit"_s << notInShiftJis;
}

void TestSetupDialog::partnerSelect()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(QString, edit);
    QFETCH(QString, refusal);
    SetupFixture f;
    const QString path = f.folder.file(u"my programs/"_s + chosen);
    f.fakes.dialogs.fileNames.push_back(path);
    const Config before = f.window->session().config();
    QString shown;
    f.open([&](SetupDialog &d) {
        SetupFixture::click(d, button.toLatin1().constData());
        shown = child<QLineEdit>(d, edit)->text();
    });
    const Config &c = f.window->session().config();
    const QStringList paths{c.pellPath, c.trevPath, c.dossPath};
    if (refusal.isEmpty()) {
        QCOMPARE(shown, path);
        QVERIFY(paths.contains(path));
        QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Inform), 0);
    } else {
        QCOMPARE(shown, edit == u"pictureNameEdit" ? before.picturePath : QString());
        QCOMPARE(c, before);
        QVERIFY2(f.fakes.dialogs.lastText().startsWith(refusal), qPrintable(f.fakes.dialogs.lastText()));
        QCOMPARE(f.fakes.dialogs.shown.constLast().at, f.window->frameGeometry().topLeft() + QPoint(50, 200));
    }
}

void TestSetupDialog::clearedPathSaved_disablesAction()
{
    SetupFixture f([](Config &c) {
        c.pellPath = u"/opt/Pellmark"_s;
        c.trevPath = u"/opt/Trevant"_s;
    });
    QVERIFY(f.enabled("pellmarkAction"));
    f.open([&](SetupDialog &d) {
        SetupFixture::click(d, "pellmarkClearButton");
        QVERIFY(f.enabled("pellmarkAction")); // not before the save
        SetupFixture::click(d, "saveButton");
        QCOMPARE(d.result(), int(QDialog::Accepted));
    });
    QVERIFY(!f.enabled("pellmarkAction"));
    QVERIFY(f.enabled("trevantAction"));
    const QStringList lines = Sjis::decode(f.folder.read(Config::fileName())).split(u"\r\n"_s);
    QCOMPARE(lines.value(41), u"未設定"_s);
}

void TestSetupDialog::save_configDeletedMeanwhile_writesAllLinesAnew()
{
    SetupFixture f([](Config &c) { c.customerList[0] = u"顧客"_s; });
    QVERIFY(QFile::remove(f.folder.file(Config::fileName())));
    f.open([&](SetupDialog &d) {
        child<QCheckBox>(d, "showToDoCheckBox")->setChecked(true);
        child<QRadioButton>(d, "stayShownRadioButton")->setChecked(true);
        SetupFixture::click(d, "saveButton");
    });
    const QByteArray bytes = f.folder.read(Config::fileName());
    QCOMPARE(bytes.count("\r\n"), Config::LineCount);
    const Config saved = Config::fromFileBytes(bytes);
    QCOMPARE(saved, f.window->session().config());
    QVERIFY(saved.showToDoAtStart);
    QCOMPARE(saved.afterLaunch, AfterLaunch::StayShown);
    QCOMPARE(saved.customerList[0], u"顧客"_s);
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
    QVERIFY(f.fakes.dialogs.shown.isEmpty());
}

void TestSetupDialog::cancel_writesNothing()
{
    SetupFixture f;
    const QByteArray before = f.folder.read(Config::fileName());
    f.open([&](SetupDialog &d) {
        child<QCheckBox>(d, "separatorsCheckBox")->setChecked(true);
        child<QListWidget>(d, "jobTypeList")->addItem(u"設計"_s);
        SetupFixture::click(d, "jobTypeApplyButton");
        SetupFixture::click(d, "cancelButton");
    });
    QCOMPARE(f.folder.read(Config::fileName()), before);
    // What apply changed stays in memory; the check box did not.
    QCOMPARE(f.window->session().config().jobTypeList[0], u"設計"_s);
    QVERIFY(!f.window->session().config().showDateSeparators);
}

void TestSetupDialog::startupButton_createsThenRemovesEntry()
{
    SetupFixture f;
    Autostart autostart(f.folder.file(u"autostart"_s), {u"/opt/wrenly"_s}, u"/opt"_s);
    SetupDialog d(f.window->session(), f.fakes.services, *f.window, autostart);
    auto *button = child<QPushButton>(d, "autostartButton");
    QCOMPARE(button->text(), u"スタートアップに登録する(&R)"_s);
    button->click();
    QVERIFY(QFileInfo::exists(autostart.entryPath()));
    QCOMPARE(button->text(), u"スタートアップ登録を解除する(&U)"_s);
    QCOMPARE(f.fakes.dialogs.lastText(), u"｢Wrenly｣をスタートアップに登録しました."_s);
    button->click();
    QVERIFY(!QFileInfo::exists(autostart.entryPath()));
    QCOMPARE(button->text(), u"スタートアップに登録する(&R)"_s);
    QCOMPARE(f.fakes.dialogs.lastText(), u"スタートアップから｢Wrenly｣を削除しました."_s);
    // A folder that cannot be made: a message naming the entry, nothing else changes.
    f.folder.write(u"blocked"_s, "file, not folder");
    Autostart blocked(f.folder.file(u"blocked/autostart"_s), {u"/opt/wrenly"_s}, u"/opt"_s);
    SetupDialog e(f.window->session(), f.fakes.services, *f.window, blocked);
    child<QPushButton>(e, "autostartButton")->click();
    QCOMPARE(f.fakes.dialogs.shown.constLast().kind, FakeDialogs::Kind::Error);
    QVERIFY(f.fakes.dialogs.lastText().contains(blocked.entryPath()));
    QCOMPARE(child<QPushButton>(e, "autostartButton")->text(), u"スタートアップに登録する(&R)"_s);
}

// The page writes Wrenly.ini, never Config.vxc; a registered start at log-in follows the tray choice.
void TestSetupDialog::notificationPage_savesSettingsAndTrayStart()
{
    SetupFixture f;
    Autostart autostart(f.folder.file(u"autostart"_s), {u"/opt/wrenly"_s}, u"/opt"_s);
    QVERIFY(autostart.add());
    SetupDialog d(f.window->session(), f.fakes.services, *f.window, autostart);
    child<QCheckBox>(d, "planCheckBox")->setChecked(false);
    child<QCheckBox>(d, "trayAtLoginCheckBox")->setChecked(true);
    SetupFixture::click(d, "saveButton");
    const ReminderSettings saved = ReminderSettings::read(f.window->session().settingsPath());
    QVERIFY(!saved.planEnabled && saved.jobsEnabled && saved.startInTray);
    QVERIFY(f.folder.read(u"autostart/Wrenly.desktop"_s).contains("\nExec=/opt/wrenly --minimized\n"));
}

// A character Shift-JIS cannot hold is refused with a tip below the box; the tip lets clicks through.
void TestSetupDialog::pasteRefused_saysWhyWithoutTakingClicks()
{
    SetupFixture f;
    f.open([&](SetupDialog &d) {
        QApplication::clipboard()->setText(u"한국"_s);
        child<QLineEdit>(d, "customerEdit")->paste();
        QVERIFY(child<QLineEdit>(d, "customerEdit")->text().isEmpty());
    });
    const QWidgetList shown = QApplication::topLevelWidgets();
    const auto tip =
        std::find_if(shown.begin(), shown.end(), [](QWidget *w) { return w->objectName() == u"refusalTip"; });
    QVERIFY(tip != shown.end() && (*tip)->isVisible() && !qobject_cast<QLabel *>(*tip)->text().isEmpty());
    QVERIFY((*tip)->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            ((*tip)->windowFlags() & Qt::WindowTransparentForInput));
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
