// The self-drawn text boxes: laid out as they grow, scrolled to their last
// line, read, selected and copied as a read-only text box is.

#include "app/language.h"
#include "boardfixture.h"
#include "ui/linesbox.h"

#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <memory>

using zt::control;

namespace {

// The rows of column x of a box's viewport drawn in its text colour, top
// and bottom (the caret, at a line's start).
std::pair<int, int> textRows(zt::LinesBox* box, int x)
{
    const QImage image = box->viewport()->grab().toImage();
    const QRgb text = box->palette().color(QPalette::Text).rgb();
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) == text) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return {top, bottom};
}

// A point on line `line` in view (0 the top one), just past `text`.
QPoint pointAt(zt::LinesBox* box, int line, const QString& text = {})
{
    const QFontMetrics fm(box->font());
    return {4 + fm.horizontalAdvance(text) + 1, 4 + line * fm.lineSpacing() + fm.height() / 2};
}

} // namespace

class LinesBoxTest : public QObject, zt::test::BoardFixture {
    Q_OBJECT

    zt::LinesBox* history() { return c<zt::LinesBox>("Text1"); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void keys(QWidget* to, std::initializer_list<QKeyCombination> keys)
    {
        for (QKeyCombination k : keys)
            QTest::keyClick(to, k.key(), k.keyboardModifiers());
    }
    // What Ctrl+C copies after the keys.
    static QString copied(QWidget* to, std::initializer_list<QKeyCombination> before)
    {
        keys(to, before);
        keys(to, {Qt::CTRL | Qt::Key_C});
        return clipboard();
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(openBoard());
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void cleanup() { closeBoard(); }

    // A box grown by pieces, cut anywhere (inside a word, between CR and LF,
    // after a line break), is laid out and drawn as one given the whole text.
    void growingByPiecesDrawsAsTheWholeText_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::newRow("wrapped") << true;
        QTest::newRow("unwrapped") << false;
    }
    void growingByPiecesDrawsAsTheWholeText()
    {
        QFETCH(bool, wrap);
        zt::LinesBox grown, whole;
        for (zt::LinesBox* box : {&grown, &whole}) {
            box->resize(160, 200);
            box->setWordWrap(wrap);
            box->show();
        }
        const QStringList pieces{" 3,",
                                 " 4- 2, F, 1",
                                 "0, 7, 12, 3",
                                 "3, 1,\r",
                                 "\n 5,\r\n",
                                 "",
                                 "\r\n",
                                 "8- 1, averyveryverylongword",
                                 "withnoblanks 2,"};
        QString text;
        for (const QString& piece : pieces) {
            grown.appendText(piece);
            text += piece;
            whole.setText(text);
            QCOMPARE(grown.lineCount(), whole.lineCount());
            QCOMPARE(grown.toPlainText(), whole.toPlainText());
            QCOMPARE(grown.viewport()->grab().toImage(), whole.viewport()->grab().toImage());
        }
        QVERIFY(grown.lineCount() > 3);
        // A word wider than the box is cut where it meets the edge.
        whole.setText(QString(60, u'w'));
        QCOMPARE(whole.lineCount() > 1, wrap);
    }

    // Scrolled to its end (Ctrl+End) a box shows its last line whole at the
    // bottom, with no room for another under it, at any height.
    void scrolledToTheEndTheLastLineIsAtTheBottom()
    {
        QString lines;
        for (int i = 0; i < 20; ++i)
            lines += QStringLiteral(" 8888\r\n");
        for (int height = 40; height < 110; height += 3) {
            zt::LinesBox box;
            box.setFont(history()->font());
            box.resize(80, height);
            box.setText(lines);
            box.show();
            QApplication::setActiveWindow(&box);
            box.setFocus();
            keys(&box, {Qt::CTRL | Qt::Key_End, Qt::Key_Home}); // the caret spans the line
            const auto [top, bottom] = textRows(&box, 4);
            const int last = box.viewport()->height() - 1;
            const QString at =
                QStringLiteral("height %1: line %2-%3").arg(height).arg(top).arg(bottom);
            QVERIFY2(top > 0 && bottom <= last && last - bottom <= bottom - top, qPrintable(at));
            // Dragged below the box from the top, the text comes up a line.
            keys(&box, {Qt::CTRL | Qt::Key_Home});
            QTest::mousePress(box.viewport(), Qt::LeftButton, {}, QPoint(4, 6));
            QTest::mouseMove(box.viewport(), QPoint(4, box.viewport()->height() + 5));
            QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, QPoint(4, 6));
            QVERIFY2(box.verticalScrollBar()->value() == 1, qPrintable(at));
            if (height != 61)
                continue;
            keys(&box, {Qt::CTRL | Qt::Key_Home}); // the view follows the caret down
            for (int line = 1; line < 20; ++line) {
                keys(&box, {Qt::Key_Down});
                QVERIFY2(textRows(&box, 4).first > 0, qPrintable(at));
            }
            for (QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) { // another window, and back
                QFocusEvent e(type, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(&box, &e);
            }
            QVERIFY2(textRows(&box, 4).first > 0, "the caret stays after the window was left");
        }
    }

    // The history read as a read-only text box is: part of it selected with
    // the keys or the mouse, drawn in the selection's colours and copied; the
    // board's keys still enter spins there, and a new history drops it.
    void historySelectedAndCopied()
    {
        ZT_ITALIAN_WORDS();
        for (int n : {5, 17, 32})
            board->sendSpin(QString::number(n)); // " 3:  32", " 2:  17", " 1:  5"
        zt::LinesBox* box = history();
        QWidget* view = box->viewport();
        box->setFocus();
        QCOMPARE(copied(box, {}), QStringLiteral("before")); // nothing selected, nothing copied
        const QRgb highlight = box->palette().color(QPalette::Highlight).rgb();
        const auto rowsSelected = [&] { // rows drawn in the selection's colour
            const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int rows = 0;
            for (int y = 0; y < image.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                rows += std::find(row, row + image.width(), highlight) != row + image.width();
            }
            return rows;
        };
        QCOMPARE(rowsSelected(), 0);
        keys(box, {Qt::CTRL | Qt::Key_Home, Qt::SHIFT | Qt::Key_End});
        const int oneLine = rowsSelected();
        QCOMPARE(copied(box, {Qt::CTRL | Qt::Key_Home, Qt::SHIFT | Qt::Key_Down,
                              Qt::SHIFT | Qt::Key_End}),
                 QStringLiteral(" 3:  32\n 2:  17"));
        QVERIFY(oneLine > 0);
        QCOMPARE(rowsSelected(), 2 * oneLine);
        QCOMPARE(copied(box, {Qt::Key_Right, Qt::Key_Left, Qt::SHIFT | Qt::CTRL | Qt::Key_End}),
                 QStringLiteral("7\n 1:  5\n"));
        QCOMPARE(copied(box, {Qt::Key_Up, Qt::SHIFT | Qt::Key_Right,
                              Qt::SHIFT | Qt::CTRL | Qt::Key_Right}),
                 QStringLiteral("7\n "));
        // Over a line break, CR LF and all; Down on the last line goes to the
        // end; nothing comes before the start.
        QCOMPARE(copied(box, {Qt::Key_Right, Qt::Key_Home, Qt::SHIFT | Qt::Key_Left,
                              Qt::SHIFT | Qt::Key_Left}),
                 QStringLiteral("7\n"));
        QCOMPARE(copied(box, {Qt::CTRL | Qt::Key_End, Qt::Key_Home, Qt::SHIFT | Qt::Key_Down}),
                 QStringLiteral(" 1:  5\n"));
        QCOMPARE(copied(box, {Qt::CTRL | Qt::Key_Home, Qt::Key_Left, Qt::CTRL | Qt::Key_Left,
                              Qt::SHIFT | Qt::Key_Right}),
                 QStringLiteral(" "));

        QTest::mousePress(view, Qt::LeftButton, {}, pointAt(box, 0, " 3:  "));
        QTest::mouseMove(view, pointAt(box, 1, " 2:  1"));
        QTest::mouseRelease(view, Qt::LeftButton, {}, pointAt(box, 1, " 2:  1"));
        QCOMPARE(box->selectedText(), QStringLiteral("32\n 2:  1"));
        QTest::mouseDClick(view, Qt::LeftButton, {}, pointAt(box, 1, " 2:  1"));
        QCOMPARE(box->selectedText(), QStringLiteral("17"));
        QTest::mousePress(view, Qt::LeftButton, {}, pointAt(box, 1, " 2:  1"));
        QCOMPARE(box->selectedText(), QStringLiteral(" 2:  17\n"));
        QTest::mouseRelease(view, Qt::LeftButton, {}, pointAt(box, 1, " 2:  1"));
        const QPoint pastTheEnd = pointAt(box, 1, " 2:  17    "); // three clicks there too
        QTest::mouseDClick(view, Qt::LeftButton, {}, pastTheEnd);
        QTest::mousePress(view, Qt::LeftButton, {}, pastTheEnd);
        QCOMPARE(box->selectedText(), QStringLiteral(" 2:  17\n"));
        QTest::mouseRelease(view, Qt::LeftButton, {}, pastTheEnd);

        // The usual menu, in Qt's own words of the program's language.
        const bool english = zt::currentLanguage() == zt::Language::English;
        const auto menu = [&] {
            std::unique_ptr<QMenu> m(box->createStandardContextMenu());
            QStringList entries;
            for (QAction* a : m->actions())
                entries << a->text() + (a->isEnabled() ? "" : " (spento)");
            return entries;
        };
        QCOMPARE(menu(), english ? QStringList({"&Copy\tCtrl+C", "", "Select All\tCtrl+A"})
                                 : QStringList({"&Copia\tCtrl+C", "", "Seleziona tutto\tCtrl+A"}));
        std::unique_ptr<QMenu>(box->createStandardContextMenu())->actions().constFirst()->trigger();
        QCOMPARE(clipboard(), QStringLiteral(" 2:  17\n"));
        QCOMPARE(copied(box, {Qt::CTRL | Qt::Key_A}), QStringLiteral(" 3:  32\n 2:  17\n 1:  5\n"));

        // The digits are spins, and the new history drops the selection.
        keys(box, {Qt::Key_9, Qt::Key_Return});
        QCOMPARE(board->history().newest(), 9);
        QCOMPARE(box->selectedText(), QString());
        QCOMPARE(menu(), QStringList({"&Copia\tCtrl+C (spento)", "", "Seleziona tutto\tCtrl+A"}));
    }

    // The attempt detail keeps what the player selected while "GO" adds to
    // it; typed over, the selection is replaced, and text added while the
    // player types is added once.
    void detailKeepsItsSelectionWhileItGrows()
    {
        auto* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        QApplication::setActiveWindow(viewer);
        auto* box = control<zt::LinesBox>(viewer, "Text19");
        box->appendText(QStringLiteral(" 3,  4- 2,  F,"));
        box->setFocus();
        keys(box, {Qt::Key_End, Qt::SHIFT | Qt::CTRL | Qt::Key_Left});
        QCOMPARE(box->selectedText(), QStringLiteral("F,"));
        QString more;
        for (int i = 0; i < 200; ++i)
            more += QStringLiteral(" %1,").arg(i % 10 + 1);
        box->appendText(more);
        QCOMPARE(box->selectedText(), QStringLiteral("F,"));
        QVERIFY(box->editor() == nullptr);
        keys(box, {Qt::CTRL | Qt::Key_End});
        QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        keys(box, {Qt::CTRL | Qt::Key_Home, Qt::Key_End, Qt::SHIFT | Qt::Key_Home});
        const QString firstLine = box->selectedText(); // wrapped: up to its last blank
        QVERIFY2(firstLine.size() > 10 && !firstLine.endsWith(u' ') &&
                     box->text()[firstLine.size()] == u' ',
                 qPrintable(firstLine));

        box->select(8, 12); // "2,  " typed over
        keys(box, {Qt::Key_X});
        QVERIFY(box->editor() && box->editor()->hasFocus());
        box->editor()->selectAll(); // to the end, and it stays where it was
        box->appendText(QStringLiteral(" 7,"));
        const QString typed = QStringLiteral(" 3,  4- xF,") + more + QStringLiteral(" 7,");
        QCOMPARE(box->toPlainText(), typed);
        QCOMPARE(box->editor()->textCursor().selectedText(), typed.chopped(3));
        control<QWidget>(viewer, "Command4")->setFocus();
        QTRY_VERIFY(box->editor() == nullptr);
        QCOMPARE(box->toPlainText(), typed);

        box->setText(QStringLiteral(" 1,\r\n 2,\r\n 3,")); // lines ended by CR LF
        QCOMPARE(box->selectedText(), QString());
        box->select(10, 12);
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        keys(box, {Qt::CTRL | Qt::Key_V}); // pasted in the editor, where the selection was
        QCOMPARE(box->toPlainText(), QStringLiteral(" 1,\n 2,\nx,"));
        box->setText(QStringLiteral("1\U0001F600,")); // given while it is being typed in
        QCOMPARE(box->editor()->toPlainText(), box->text());
        control<QWidget>(viewer, "Command4")->setFocus();
        QTRY_VERIFY(box->editor() == nullptr);
        box->setFocus();
        keys(box, {Qt::Key_Home, Qt::Key_Right, Qt::SHIFT | Qt::Key_Right});
        QCOMPARE(box->selectedText(), QStringLiteral("\U0001F600"));
        keys(box, {Qt::Key_End, Qt::Key_Backspace});
        QCOMPARE(box->toPlainText(), QStringLiteral("1\U0001F600"));
    }
};

ZT_WINDOWS_TEST_MAIN(LinesBoxTest)
#include "tst_linesbox.moc"
