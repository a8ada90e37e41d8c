// SPDX-License-Identifier: GPL-3.0-or-later
// A card's picture and sound on the learning screen: beside the question without moving a
// designed control, large in Kids mode, "cannot be shown" for a hostile file, the sound before
// the spoken question and again on F5, never in Silent mode unless asked.
#include "support/WindowFixture.h"

#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "support/PictureBytes.h"
#include "window/CardMediaView.h"
#include "window/PictureCache.h"

#include <QLabel>
#include <QPushButton>

namespace {

QByteArray jpeg() {
    return testing::pictureBytes("JPEG", QSize(900, 600), Qt::darkCyan);
}

const QByteArray kWav = testing::wavBytes();

// A PNG header claiming 100,000 x 100,000 px, put in the file behind the program's back.
void storeBomb(testing::WindowFixture& f, qint64 card) {
    QByteArray png("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\x00\x01\x86\xA0\x00\x01\x86\xA0\x08\x02"
                   "\x00\x00\x00",
                   29);
    f.t.exec("INSERT INTO Media (Hash, Mime, Data) VALUES ('bomb', 'image/png', ?)", {png});
    f.t.exec("UPDATE Card SET Picture = 'bomb' WHERE Card_ID = ?", {card});
}

QLabel* pictureOf(testing::WindowFixture& f) {
    return f.w->findChild<QLabel*>("PictureCard");
}
QPushButton* soundButtonOf(testing::WindowFixture& f) {
    return f.w->findChild<QPushButton*>("CommandPlaySound");
}

// Lets the decoder finish and its result reach the window.
void settle(testing::WindowFixture& f) {
    QCoreApplication::processEvents(); // the next cards are read once the question is up
    f.w->cardMedia().cache().waitForDecoding();
    QCoreApplication::processEvents();
}

qint64 currentCard(testing::WindowFixture& f) {
    return f.lesson().CSarray.at(f.lesson().Row, learn::ColCardId).toLongLong();
}

// Where every designed control of the learning screen stands.
QList<QRect> designedPlaces(testing::WindowFixture& f) {
    QList<QRect> places;
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.c().DataCombo1, f.c().Label2, f.c().Label3, f.c().Label4,
                                         f.c().Text3, f.c().Command21, f.c().Command3})
        places << w->geometry();
    return places;
}

} // namespace

class TestCardMedia : public QObject {
    Q_OBJECT
  private slots:
    void thePictureStandsBesideTheQuestionAndMovesNothing();
    void kidsModeShowsItLarge();
    void theSoundComesBeforeTheSpokenQuestionAndOnF5();
};

void TestCardMedia::thePictureStandsBesideTheQuestionAndMovesNothing() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("Pictures");
    const qint64 plain = f.t.addCard("plain", "a", set);
    const qint64 pictured = f.t.addCard("pictured", "b", set);
    const qint64 bomb = f.t.addCard("bomb", "c", set);
    media::setCardMediaFromBytes(f.t.db(), pictured, media::Slot::Picture, jpeg(), "p.jpg");
    storeBomb(f, bomb);
    f.t.chooseSet("Pictures");
    f.start();
    f.learn();
    QCOMPARE(currentCard(f), plain);
    const int plainWidth = f.w->width();
    const QList<QRect> places = designedPlaces(f);
    QVERIFY(!pictureOf(f)->isVisible());
    QVERIFY(!soundButtonOf(f)->isVisible());
    settle(f); // the next card's picture was decoded ahead, while this one is answered
    QCOMPARE(f.w->cardMedia().cache().state(media::cardMedia(f.t.db(), pictured).picture,
                                            pictureOf(f)->size()),
             window::PictureCache::State::Ready);

    QTest::mouseClick(f.c().Command3, Qt::LeftButton); // Next
    QCOMPARE(currentCard(f), pictured);
    QVERIFY(pictureOf(f)->isVisible());
    QVERIFY(!pictureOf(f)->pixmap().isNull()); // shown at once: it was decoded ahead
    QVERIFY(pictureOf(f)->pixmap().width() <= pictureOf(f)->width());
    QTRY_VERIFY(f.w->width() > plainWidth);
    QCOMPARE(designedPlaces(f), places);
    QVERIFY(f.w->rect().contains(pictureOf(f)->geometry().translated(
        pictureOf(f)->mapTo(f.w.get(), QPoint()) - pictureOf(f)->pos())));

    QTest::mouseClick(f.c().Command3, Qt::LeftButton);
    settle(f);
    QVERIFY(pictureOf(f)->isVisible());
    QCOMPARE(pictureOf(f)->text(), QStringLiteral("This picture cannot be shown"));

    // Round to the card without a picture again, in whatever order the next pass asks.
    for (int i = 0; i < 4 && currentCard(f) != plain; ++i)
        QTest::mouseClick(f.c().Command3, Qt::LeftButton);
    QCOMPARE(currentCard(f), plain);
    QVERIFY(!pictureOf(f)->isVisible());
    QTRY_COMPARE(f.w->width(), plainWidth);
    QCOMPARE(designedPlaces(f), places);

    // Off the learning screen the window is as designed.
    for (int i = 0; i < 4 && currentCard(f) != pictured; ++i)
        QTest::mouseClick(f.c().Command3, Qt::LeftButton);
    QTRY_VERIFY(f.w->width() > plainWidth);
    f.c().ChangeSet->trigger();
    QVERIFY(!pictureOf(f)->isVisible());
    QCOMPARE(f.w->screens().pictureRoom, 0);
}

void TestCardMedia::kidsModeShowsItLarge() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("Pictures");
    const qint64 card = f.t.addCard("pictured", "b", set);
    media::setCardMediaFromBytes(f.t.db(), card, media::Slot::Picture, jpeg(), "p.jpg");
    f.t.chooseSet("Pictures");
    f.start();
    f.learn();
    const int academicSide = pictureOf(f)->width();
    f.c().mnuKids->trigger();
    QVERIFY(pictureOf(f)->isVisible());
    QVERIFY(pictureOf(f)->width() > academicSide);
    settle(f);
    QVERIFY(!pictureOf(f)->pixmap().isNull());
    QTRY_VERIFY(f.w->width() >= pictureOf(f)->geometry().right());
}

void TestCardMedia::theSoundComesBeforeTheSpokenQuestionAndOnF5() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("Sounds");
    const qint64 card = f.t.addCard("heard", "a", set);
    f.t.addCard("silent", "b", set);
    media::setCardMediaFromBytes(f.t.db(), card, media::Slot::Sound, kWav, "a.wav");
    f.t.chooseSet("Sounds");
    QVERIFY(f.startActive()); // the key is the window's
    f.learn();
    // Silent mode: the button and the key, no sound by itself.
    QVERIFY(soundButtonOf(f)->isVisible());
    QVERIFY(f.speech.recordings.isEmpty());
    QTest::keyClick(f.c().Text3, Qt::Key_F5);
    QCOMPARE(f.speech.recordings.size(), 1);
    QVERIFY(f.speech.recordings.first().startsWith("now:"));
    QTest::mouseClick(soundButtonOf(f), Qt::LeftButton);
    QCOMPARE(f.speech.recordings.size(), 2);
    QCOMPARE(QApplication::focusWidget(), f.c().Text3); // the reply keeps the focus

    QTest::mouseClick(f.c().Command3, Qt::LeftButton); // a card without a sound
    QVERIFY(!soundButtonOf(f)->isVisible());
    QTest::keyClick(f.c().Text3, Qt::Key_F5);
    QCOMPARE(f.speech.recordings.size(), 2);

    // Talking mode: the recording plays to its end, then the question is spoken.
    f.c().mnuTalking->trigger();
    f.speech.events.clear();
    QTest::mouseClick(f.c().Command3, Qt::LeftButton);
    QCOMPARE(currentCard(f), card);
    QCOMPARE(f.speech.events, (QStringList{"recording", "speak:heard"}));
    QVERIFY(f.speech.recordings.last().startsWith("wait:"));
}

QTEST_MAIN(TestCardMedia)
#include "test_card_media.moc"
