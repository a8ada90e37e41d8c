// SPDX-License-Identifier: GPL-3.0-or-later
// The card grid's picture and sound columns: hidden for a set without media unless turned on,
// a file chosen, dropped or pasted is kept with the card, a hostile one is refused with its
// name, and typing a new card passes over the columns that are only drawn.
#include "support/WindowFixture.h"

#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "support/PictureBytes.h"
#include "window/GridMediaColumns.h"
#include "window/HelpWindow.h"
#include "window/PictureCache.h"

#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QByteArray png(QColor colour) {
    return testing::pictureBytes("PNG", QSize(120, 80), colour);
}

const QByteArray kWav = testing::wavBytes();

bool mediaColumnsHidden(testing::WindowFixture& f) {
    const int first = f.c().Adodc2->firstExtraColumn();
    return f.c().TDBGrid2->isColumnHidden(first) && f.c().TDBGrid2->isColumnHidden(first + 1);
}

void drop(testing::WindowFixture& f, int row, const QString& path) {
    QWidget* viewport = f.c().TDBGrid2->viewport();
    const QPoint at = f.c().TDBGrid2->visualRect(f.c().Adodc2->index(row, 1)).center();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &dropped);
}

} // namespace

class TestGridMedia : public QObject {
    Q_OBJECT
  private slots:
    void filesChosenDroppedOrPastedAreKeptWithTheCard();
    void typingANewCardPassesOverTheDrawnColumns();
    void theHelpPageSaysWhatThisMachineReads();
};

void TestGridMedia::filesChosenDroppedOrPastedAreKeptWithTheCard() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("Words");
    const qint64 cat = f.t.addCard("cat", "Katze", set);
    const qint64 dog = f.t.addCard("dog", "Hund", set);
    f.t.chooseSet("Words");
    f.start();
    window::GridMediaColumns& columns = f.w->gridMedia();
    QVERIFY(mediaColumnsHidden(f)); // as the grid always was
    const int headerCount = f.c().Adodc2->firstExtraColumn();
    QCOMPARE(headerCount, 3); // the stored query keeps its columns

    QTemporaryDir dir;
    const QString red = writeFile(dir, "red.png", png(Qt::red));
    const QString bark = writeFile(dir, "bark.wav", kWav);
    // Chosen through the chooser (double-click on the cell, or the context menu).
    columns.chooseFile = [&](media::Slot) { return red; };
    emit f.c().TDBGrid2->doubleClicked(f.c().Adodc2->index(0, headerCount));
    QCOMPARE(media::cardMedia(f.t.db(), cat).picture, media::hashOf(png(Qt::red)));
    QVERIFY(!mediaColumnsHidden(f)); // the set holds media now
    // The small picture is decoded when first drawn, off the window's thread.
    QTRY_VERIFY(!f.c().Adodc2->index(0, headerCount).data(Qt::DecorationRole).isNull());

    // Dropped: a sound goes to the sound, told by its content.
    drop(f, 1, bark);
    QCOMPARE(media::cardMedia(f.t.db(), dog).sound, media::hashOf(kWav));
    QCOMPARE(f.c().Adodc2->index(1, headerCount + 1).data().toString(), QStringLiteral("\u266A"));

    // Pasted.
    QApplication::clipboard()->setImage(QImage(QSize(10, 10), QImage::Format_RGB32));
    QVERIFY(columns.pastePicture(1));
    QVERIFY(!media::cardMedia(f.t.db(), dog).picture.isEmpty());

    // A picture claiming 100,000 px a side is refused with its name; the card keeps its own.
    QByteArray bomb = png(Qt::blue);
    bomb.replace(16, 8, QByteArray("\x00\x01\x86\xA0\x00\x01\x86\xA0", 8));
    const QString bombPath = writeFile(dir, "bomb.png", bomb);
    f.dialogs.clear();
    QVERIFY(!columns.takeFile(0, bombPath));
    QVERIFY2(f.dialogs.lastText().contains("bomb.png") && f.dialogs.lastText().contains("8000"),
             qPrintable(f.dialogs.lastText()));
    QCOMPARE(media::cardMedia(f.t.db(), cat).picture, media::hashOf(png(Qt::red)));

    // Played and removed; with no media left the columns go, unless turned on.
    columns.play(1);
    QCOMPARE(f.speech.recordings.size(), 1);
    columns.remove(0, media::Slot::Picture);
    columns.remove(1, media::Slot::Picture);
    columns.remove(1, media::Slot::Sound);
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM Media").toInt(), 0);
    QVERIFY(mediaColumnsHidden(f));
    f.w->findChild<QAction*>("mnuMediaColumns")->trigger();
    QVERIFY(!mediaColumnsHidden(f));
    QVERIFY(columns.columnsShown());
}

void TestGridMedia::typingANewCardPassesOverTheDrawnColumns() {
    testing::WindowFixture f;
    f.t.addSet("Words");
    f.t.chooseSet("Words");
    QVERIFY(f.startActive());
    f.w->findChild<QAction*>("mnuMediaColumns")->trigger();
    QTableView* grid = f.c().TDBGrid2;
    const QModelIndex question = f.c().Adodc2->index(f.c().Adodc2->rowCount() - 1, 1);
    const QPoint at = grid->visualRect(question).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QWidget* editor = grid->indexWidget(question);
    QVERIFY(editor);
    QTest::keyClicks(editor, "bird");
    QTest::keyClick(editor, Qt::Key_Tab); // on to the answer, as ever
    QWidget* answer = grid->indexWidget(grid->currentIndex());
    QVERIFY(answer);
    QCOMPARE(grid->currentIndex().column(), 2);
    QTest::keyClicks(answer, "Vogel");
    // Enter on the answer stores the card: the drawn columns are no cells to type in.
    QTest::keyClick(answer, Qt::Key_Return);
    QTRY_COMPARE(f.t.scalar("SELECT Answer FROM Card WHERE Question = 'bird'").toString(),
                 QStringLiteral("Vogel"));
}

void TestGridMedia::theHelpPageSaysWhatThisMachineReads() {
    window::HelpWindow help;
    help.browser()->setSource(QUrl(QStringLiteral("qrc:/help/pictures.html")));
    const QString text = help.browser()->toPlainText();
    QVERIFY2(text.contains("pictures: PNG, JPEG") && text.contains("sounds: WAV"),
             qPrintable(text.right(200)));
}

QTEST_MAIN(TestGridMedia)
#include "test_grid_media.moc"
