// The main window as it opens: its controls, their places and legibility, the real message
// boxes, and the top-level error box that catches what escapes a handler.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionViewItem>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/Application.h"
#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"
#include "platform/Dialogs.h"
#include "platform/RunGuarded.h"
#include "platform/Translation.h"
#include "support/FakePlatform.h"
#include "support/Legibility.h"

namespace {

// What a real message box showed before it was answered.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
    Qt::TextFormat format = Qt::AutoText;
    Qt::TextFormat labelFormat = Qt::AutoText;  // of the label that shows the text
};

// Waits for the next real QMessageBox, records it and presses its OK button, as a user would.
void AnswerNextBox(SeenBox* seen, int triesLeft = 500)
{
    QTimer::singleShot(10, [seen, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (triesLeft > 0)
                AnswerNextBox(seen, triesLeft - 1);
            return;
        }
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->buttons().size();
        seen->modal = box->isModal();
        seen->format = box->textFormat();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            seen->labelFormat = label->textFormat();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->reject();
    });
}

// An object whose event handler fails the way a handler that cannot write a file would.
class FailingObject : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Cannot create file \"/proc/x.csv\".");
        if (event->type() == QEvent::User + 1)
            throw 42;
        if (event->type() == QEvent::User + 2) {
            ++handled;
            return true;
        }
        return QObject::event(event);
    }
};

// The room a line edit gives its text, as QLineEdit::paintEvent computes it.
QRect LineEditTextRect(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    room = room.marginsRemoved(edit->textMargins());
    const int horizontalMargin = 2;  // QLineEdit's own inner margin on either side
    return room.adjusted(horizontalMargin, 0, -horizontalMargin, 0);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startState();
    void controls_data();
    void controls();
    void menu();
    void menusReachableByKeyboard_data();
    void menusReachableByKeyboard();
    void tabOrderInDefinitionGroup();
    void textsAreLegible();
    void createAtStartFailsOnEmptyModulus();
    void realWarningBox();
    void markupInNameIsShownAsTyped();
    void enterPressesFocusedButton();
    void listRowsAreSeventeenPixelsHigh();
    void errorBoxForExceptionInGuardedHandler();
    void errorBoxForExceptionInEventDelivery();
};

void TestMainWindow::initTestCase()
{
    // As the program starts: the window's texts below are checked with the translations in
    // place, under C.UTF-8, where they must stay the English ones byte for byte.
    InstallTranslations();
    QVERIFY(!ChineseChosen());
}

void TestMainWindow::startState()
{
    TForm1 form;
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarvolin (based on GB 50010-2010) (by Quessel)"));
    QCOMPARE(form.edt1->text(), QStringLiteral("Con_20"));
    QCOMPARE(form.cbb1->currentText(), QStringLiteral("20"));
    QCOMPARE(form.cbb1->currentIndex(), 1);
    QStringList items;
    for (int i = 0; i < form.cbb1->count(); ++i)
        items << form.cbb1->itemText(i);
    QCOMPARE(items, (QStringList{"15", "20", "25", "30", "35", "40", "45", "50", "55", "60", "65",
                                 "70", "75", "80"}));
    QCOMPARE(form.edt9->text(), QStringLiteral("0.016"));
    QCOMPARE(form.edt10->text(), QStringLiteral("700"));
    // The grade handler has not run: the fields it fills are empty.
    for (QLineEdit* edit : {form.edt2, form.edt3, form.edt4, form.edt5, form.edt6, form.edt7,
                            form.edt8})
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    QCOMPARE(form.lst1->count(), 0);
    QCOMPARE(form.cht1->graphCount(), 0);
    QCOMPARE(form.cht2->graphCount(), 0);
    QVERIFY(form.concretes.empty());
    QVERIFY(form.ConcreteName.empty());
    for (double member : {form.Ec, form.fck, form.ftk, form.eck, form.etk, form.ac, form.at,
                          form.ecmax, form.etmax})
        QCOMPARE(member, 0.0);

    const QString exeFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QCOMPARE(form.rzslctfldrdlg1->SelectedPathName, exeFolder);
    QCOMPARE(form.dlgSave1->InitialDir, exeFolder);
    QCOMPARE(form.dlgSave1->Filter, QStringLiteral("CSV files (*.csv)"));

    // A fixed border: the client area keeps its size and the window cannot be resized.
    QCOMPARE(form.centralWidget()->size(), QSize(938, 491));
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");  // empty: the window's client area
    QTest::addColumn<QRect>("geometry");  // an empty size: only the position is fixed
    QTest::addColumn<QString>("text");

    auto row = [](const char* name, const char* kind, const char* parent, QRect geometry,
                  const QString& text = QString()) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind)
                            << QString::fromLatin1(parent) << geometry << text;
    };
    auto at = [](int left, int top) { return QRect(left, top, 0, 0); };

    row("grp1", "QGroupBox", "", {6, 1, 333, 318}, "Define Concrete");
    row("lbl1", "QLabel", "grp1", at(10, 21), "Concrete Name");
    row("edt1", "QLineEdit", "grp1", {200, 18, 123, 21}, "Con_20");
    row("lbl2", "QLabel", "grp1", at(10, 46), "Strength Grade fcu,k (N/mm2)");
    row("cbb1", "QComboBox", "grp1", {200, 42, 123, 21}, "20");
    row("lbl3", "QLabel", "grp1", at(10, 70), "Modulus of elasticity Ec (N/mm2)");
    row("edt2", "QLineEdit", "grp1", {200, 67, 123, 21});
    row("lbl4", "QLabel", "grp1", at(10, 94), "Axial Compression strength fc,k (N/mm2)");
    row("edt3", "QLineEdit", "grp1", {249, 91, 74, 21});
    row("lbl5", "QLabel", "grp1", at(10, 119),
        QStringLiteral("Strain at Peak Comp. Stress  \u03B5c,k  (10-6)"));
    row("edt4", "QLineEdit", "grp1", {250, 115, 74, 21});
    row("lbl6", "QLabel", "grp1", at(10, 143), "Shape parameter for Compression  ac");
    row("edt5", "QLineEdit", "grp1", {250, 140, 74, 21});
    row("lbl10", "QLabel", "grp1", at(10, 167),
        QStringLiteral("Ultimate strain for Comp.  \u03B5max,c"));
    row("edt9", "QLineEdit", "grp1", {250, 164, 74, 21}, "0.016");
    row("lbl7", "QLabel", "grp1", at(10, 192), "Axial Tension strength ft,k (N/mm2)");
    row("edt8", "QLineEdit", "grp1", {250, 189, 74, 21});
    row("lbl8", "QLabel", "grp1", at(10, 216),
        QStringLiteral("Strain at Peak Tensile Stress  \u03B5t,k  (10-6)"));
    row("edt7", "QLineEdit", "grp1", {250, 213, 74, 21});
    row("lbl9", "QLabel", "grp1", at(10, 241), "Shape parameter for Tension  at");
    row("edt6", "QLineEdit", "grp1", {250, 237, 74, 21});
    row("lbl11", "QLabel", "grp1", at(10, 265),
        QStringLiteral("Ultimate strain for Tension  \u03B5max,t  (10-6)"));
    row("edt10", "QLineEdit", "grp1", {250, 262, 74, 21}, "700");
    row("btn1", "QPushButton", "grp1", {10, 287, 314, 24}, "Create Concrete");
    row("grp2", "QGroupBox", "", {344, 1, 589, 240}, "Compression");
    row("cht1", "TChart", "grp2", {});
    row("grp3", "QGroupBox", "", {6, 319, 333, 143}, "Control");
    row("btn2", "QPushButton", "grp3", {10, 16, 127, 25}, "Delete");
    row("btn3", "QPushButton", "grp3", {10, 48, 127, 25}, "Delete All");
    row("btn4", "QPushButton", "grp3", {10, 80, 127, 25}, "Save Picture");
    row("btn5", "QPushButton", "grp3", {10, 112, 127, 25}, "Save Data");
    row("lst1", "TRzCheckList", "grp3", {147, 16, 177, 121});
    row("rzstsbr1", "TRzStatusBar", "", {0, 466, 938, 25});
    row("rzfldsts3", "TRzFieldStatus", "rzstsbr1", {});
    row("rzfldsts1", "TRzFieldStatus", "rzstsbr1", {});
    row("rzfldsts2", "TRzFieldStatus", "rzstsbr1", {});
    row("grp4", "QGroupBox", "", {344, 242, 589, 220}, "Tension");
    row("cht2", "TChart", "grp4", {});
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    TForm1 form;
    const QList<QWidget*> found = form.findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* widget = found.constFirst();
    QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());
    QWidget* expectedParent =
        parent.isEmpty() ? form.centralWidget() : form.findChild<QWidget*>(parent);
    QCOMPARE(widget->parentWidget(), expectedParent);

    if (geometry.isNull() && geometry.topLeft() == QPoint()) {
        // Placed by the chart or the status bar: it lies inside its parent.
        QVERIFY(expectedParent->rect().contains(widget->geometry()));
        if (kind == QLatin1String("TChart")) {
            QVERIFY(widget->width() >= expectedParent->width() - 8);
            QVERIFY(widget->height() >= expectedParent->height() - 24);
        }
    } else if (geometry.size().isEmpty()) {
        QCOMPARE(widget->pos(), geometry.topLeft());
    } else {
        QCOMPARE(widget->geometry(), geometry);
    }

    // The status bar panes' captions belong to the status bar's own tests.
    if (kind == QLatin1String("TRzFieldStatus"))
        return;
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(edit->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(group->title(), text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        QCOMPARE(combo->currentText(), text);
}

void TestMainWindow::menu()
{
    TForm1 form;
    QCOMPARE(form.menuBar()->objectName(), QStringLiteral("mm1"));
    QList<QAction*> menus = form.menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("File1"));
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    // The strength basis and the tools have menus of their own, between File and Edit (their
    // own tests look inside); the specified menus keep their texts and order.
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("Basis1"));
    QCOMPARE(menus[2]->menu()->objectName(), QStringLiteral("Tools1"));
    menus.removeAt(2);
    menus.removeAt(1);
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("Edit1"));
    QCOMPARE(menus[1]->text(), QStringLiteral("Edit"));
    QCOMPARE(menus[2]->menu()->objectName(), QStringLiteral("About1"));
    QCOMPARE(menus[2]->text(), QStringLiteral("About"));

    QStringList edit;
    for (QAction* item : menus[1]->menu()->actions())
        edit << item->objectName() + QLatin1Char('=') + item->text();
    QCOMPARE(edit, (QStringList{"CreateConcrete1=Create Concrete", "Delete1=Delete",
                                "DeleteAll1=Delete All", "SavePicture1=Save Picture",
                                "SaveData1=Save Data"}));
    QStringList about;
    for (QAction* item : menus[2]->menu()->actions())
        about << item->objectName() + QLatin1Char('=') + item->text();
    QCOMPARE(about, QStringList{"About2=About Kestrafel"});
}

void TestMainWindow::menusReachableByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Alt+F") << int(Qt::Key_F) << int(Qt::AltModifier);
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
}

// The Edit and About menus have no mnemonics; without a key into the menu bar the
// export commands and the Edit items could only be reached with the mouse.
void TestMainWindow::menusReachableByKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    FakePlatform platform;
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.edt1->setFocus();

    QTest::keyClick(form.edt1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(form.File1->isVisible());
    QCOMPARE(form.edt1->text(), QStringLiteral("Con_20"));  // the key typed nothing
    QTest::keyClick(form.File1, Qt::Key_Right);
    QTRY_VERIFY(form.Basis1->isVisible());
    QTest::keyClick(form.Basis1, Qt::Key_Right);
    QTRY_VERIFY(form.Tools1->isVisible());
    QTest::keyClick(form.Tools1, Qt::Key_Right);
    QTRY_VERIFY(form.Edit1->isVisible());
    QTest::keyClick(form.Edit1, Qt::Key_Right);
    QTRY_VERIFY(form.About1->isVisible());
    QTest::keyClick(form.About1, Qt::Key_Right);
    QTRY_VERIFY(form.File1->isVisible());

    // A mnemonic inside the menu runs its command: the export's answer to an empty list.
    QTest::keyClick(form.File1, Qt::Key_E);
    QTRY_COMPARE(platform.messages.size(), 1);
    QVERIFY(!form.File1->isVisible());
}

void TestMainWindow::tabOrderInDefinitionGroup()
{
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.edt1->setFocus(Qt::TabFocusReason);
    QStringList visited{form.focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        visited << form.focusWidget()->objectName();
    }
    // After ac the focus climbs the tension rows, then goes to the end strains.
    QCOMPARE(visited, (QStringList{"edt1", "cbb1", "edt2", "edt3", "edt4", "edt5", "edt6", "edt7",
                                   "edt8", "edt9", "edt10", "btn1"}));
}

void TestMainWindow::textsAreLegible()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QStringList illegible = IllegibleTexts(&form);
    QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QLatin1Char('\n'))));

    // Every text that grade selection writes fits its field, for every grade of the list.
    QList<QLineEdit*> edits = form.findChildren<QLineEdit*>();
    for (int index = 0; index < form.cbb1->count(); ++index) {
        form.cbb1->setCurrentIndex(index);
        QCOMPARE(form.edt1->text(), QStringLiteral("Con_") + form.cbb1->itemText(index));
        for (QLineEdit* edit : edits) {
            const QFontMetrics metrics(edit->font());
            const QRect room = LineEditTextRect(edit);
            const QString what = edit->objectName() + QStringLiteral(" \"") + edit->text() +
                                 QStringLiteral("\" in %1 px").arg(room.width());
            QVERIFY2(metrics.horizontalAdvance(edit->text()) <= room.width(), qPrintable(what));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(what));
        }
    }
    QVERIFY(platform.messages.isEmpty());
}

void TestMainWindow::createAtStartFailsOnEmptyModulus()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QVERIFY(!form.ValidateDefinition());

    QCOMPARE(platform.Texts(), QStringList{"\"\" is not a valid floating number!"});
    QCOMPARE(platform.messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(form.focusWidget(), form.edt2);
    QCOMPARE(form.ConcreteName, std::string("Con_20"));
    QVERIFY(form.concretes.empty());
    QCOMPARE(form.lst1->count(), 0);
}

void TestMainWindow::realWarningBox()
{
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    SeenBox seen;
    AnswerNextBox(&seen);
    QVERIFY(!form.ValidateDefinition());

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Warning"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.text, QStringLiteral("\"\" is not a valid floating number!"));
    QCOMPARE(seen.buttons, 1);
    QVERIFY(seen.modal);
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(form.focusWidget(), form.edt2);

    // The same box comes from a keystroke in the grade box.
    SeenBox typed;
    AnswerNextBox(&typed);
    form.cbb1->setFocus();
    form.cbb1->lineEdit()->selectAll();
    QTest::keyClick(form.cbb1, Qt::Key_0);
    QVERIFY(typed.shown);
    QCOMPARE(typed.title, QStringLiteral("Warning"));
    QCOMPARE(typed.text, QStringLiteral("\"0\" fcu,k must be positive!"));
    QTRY_COMPARE(form.focusWidget(), form.cbb1);
    // The refused text stays as typed, caret at its end, so the next keystroke goes on from it.
    QVERIFY(!form.cbb1->lineEdit()->hasSelectedText());
    QCOMPARE(form.cbb1->lineEdit()->cursorPosition(), 1);
    QTest::keyClick(form.cbb1, Qt::Key_5);
    QCOMPARE(form.cbb1->currentText(), QStringLiteral("05"));
    QCOMPARE(form.edt1->text(), QStringLiteral("Con_5"));
}

// Names go into messages as typed: a box shows its text as plain text and obeys no markup.
void TestMainWindow::markupInNameIsShownAsTyped()
{
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QString name = QStringLiteral("<b>C30</b>");
    form.cbb1->setFocus();
    form.cbb1->lineEdit()->selectAll();
    QTest::keyClicks(form.cbb1, QStringLiteral("30"));
    form.edt1->setFocus();
    form.edt1->selectAll();
    QTest::keyClicks(form.edt1, name);
    {
        FakePlatform platform;
        QTest::mouseClick(form.btn1, Qt::LeftButton);
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));
    }
    QCOMPARE(form.lst1->Count(), 1);
    QCOMPARE(form.lst1->ItemText(0), name);

    SeenBox seen;
    AnswerNextBox(&seen);
    QTest::mouseClick(form.btn1, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Warning"));
    QCOMPARE(seen.text, QStringLiteral("Concrete with name: \"<b>C30</b>\" already exists! "
                                       "Please Input another Name."));
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.labelFormat, Qt::PlainText);
    QCOMPARE(form.concretes.size(), std::size_t(1));
    // The focus came from the button: the name is selected, ready to be typed over.
    QTRY_COMPARE(form.focusWidget(), form.edt1);
    QCOMPARE(form.edt1->selectedText(), name);
}

// Return and keypad Enter press the focused button, as Space does.
void TestMainWindow::enterPressesFocusedButton()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.cbb1->setFocus();
    form.cbb1->lineEdit()->selectAll();
    QTest::keyClicks(form.cbb1, QStringLiteral("30"));

    // Tab from the last field reaches Create Concrete.
    form.edt10->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
    QCOMPARE(form.focusWidget(), form.btn1);
    QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));
    QCOMPARE(form.lst1->Count(), 1);
    QCOMPARE(form.lst1->ItemText(0), QStringLiteral("Con_30"));

    // Pressed again with keypad Enter: the same name is refused.
    QCOMPARE(form.focusWidget(), form.btn1);
    QTest::keyClick(form.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(platform.Texts(),
             QStringList{QStringLiteral(
                 "Concrete with name: \"Con_30\" already exists! Please Input another Name.")});
    QCOMPARE(form.lst1->Count(), 1);

    // Every push button of the window, with either key.
    const QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 5);
    for (QPushButton* button : buttons) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
                                             {Qt::Key_Enter, Qt::KeypadModifier}}) {
            button->setFocus(Qt::TabFocusReason);
            QCOMPARE(form.focusWidget(), button);
            QTest::keyClick(button, key, modifiers);
        }
        QVERIFY2(clicked.count() == 2, qPrintable(button->objectName()));
    }
}

void TestMainWindow::listRowsAreSeventeenPixelsHigh()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"Con_20", "Con_30", "Con_40"})
        form.lst1->Add(QString::fromLatin1(name));

    const QRect first = form.lst1->visualRect(form.lst1->model()->index(0, 0));
    for (int row = 0; row < form.lst1->Count(); ++row) {
        const QModelIndex index = form.lst1->model()->index(row, 0);
        const QRect rect = form.lst1->visualRect(index);
        QCOMPARE(rect.height(), 17);
        QCOMPARE(rect.top(), first.top() + 17 * row);
        // The check box and a line of the list's font fit the row.
        QStyleOptionViewItem option;
        option.initFrom(form.lst1->viewport());
        option.rect = rect;
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = form.lst1->style()->subElementRect(
            QStyle::SE_ItemViewItemCheckIndicator, &option, form.lst1);
        QVERIFY2(rect.contains(box), qPrintable(QStringLiteral("check box %1 px high")
                                                    .arg(box.height())));
        QVERIFY(QFontMetrics(form.lst1->font()).height() <= rect.height());
    }
}

void TestMainWindow::errorBoxForExceptionInGuardedHandler()
{
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Veldrin"));
    QPushButton button(QStringLiteral("Save"));
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&runs] {
        RunGuarded([&runs] {
            ++runs;
            throw std::runtime_error("Cannot write \"data.csv\".");
        });
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    for (int click = 1; click <= 2; ++click) {
        SeenBox seen;
        AnswerNextBox(&seen);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Veldrin"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.text, QStringLiteral("Cannot write \"data.csv\"."));
        QCOMPARE(seen.buttons, 1);
        // The handler was abandoned and the run goes on: the next click runs it again.
        QCOMPARE(runs, click);
    }
}

void TestMainWindow::errorBoxForExceptionInEventDelivery()
{
    FakePlatform platform;
    FailingObject object;

    QEvent failing(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&object, &failing));
    QEvent unknown(QEvent::Type(QEvent::User + 1));
    QVERIFY(!QCoreApplication::sendEvent(&object, &unknown));

    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].kind, Platform::MsgKind::Error);
    QCOMPARE(platform.messages[0].caption, QStringLiteral("Veldrin"));
    QCOMPARE(platform.messages[0].text, QStringLiteral("Cannot create file \"/proc/x.csv\"."));
    // An exception of unknown type is shown with an empty message.
    QCOMPARE(platform.messages[1].caption, QStringLiteral("Veldrin"));
    QCOMPARE(platform.messages[1].text, QString());

    // The event loop still delivers events afterwards.
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User)));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User + 2)));
    QTRY_COMPARE(object.handled, 1);
    QCOMPARE(platform.messages.size(), 3);
}

// The test runs inside the program's own application object, so that exceptions escaping event
// delivery meet the same guard as in the program.
int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldrin"));
    TestMainWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
