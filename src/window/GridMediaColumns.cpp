// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/GridMediaColumns.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "media/MediaKind.h"
#include "window/PictureCache.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <utility>

namespace window {
namespace {

constexpr int kThumbnail = 26; // px: fits a grid row
const QString kSoundMark = QStringLiteral("\u266A");

QSize thumbnailBox() {
    return {kThumbnail, kThumbnail};
}

} // namespace

GridMediaColumns::GridMediaColumns(present::Form1State& s, QObject* parent)
    : QObject(parent), s_(s), cache_(new PictureCache(200, this)) {
    data::RecordsetModel* model = s_.c.Adodc2;
    // The headings are named by retranslate(), which runs again when the language changes.
    model->addExtraColumn(
        QString(), [this](int row, int role) { return cell(row, role, media::Slot::Picture); });
    model->addExtraColumn(
        QString(), [this](int row, int role) { return cell(row, role, media::Slot::Sound); });
    connect(model, &QAbstractItemModel::modelReset, this, &GridMediaColumns::reload);
    connect(cache_, &PictureCache::ready, this, [this] { s_.c.TDBGrid2->viewport()->update(); });

    toggle_ = s_.c.mnuEdit->menu()->addAction(QString());
    toggle_->setObjectName(QStringLiteral("mnuMediaColumns"));
    toggle_->setCheckable(true);
    connect(toggle_, &QAction::toggled, this, &GridMediaColumns::showColumns);
    retranslate();
    s_.c.Form1->installEventFilter(this);

    QTableView* grid = s_.c.TDBGrid2;
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, &GridMediaColumns::contextMenu);
    connect(grid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int first = s_.c.Adodc2->firstExtraColumn();
        if (index.column() < first || !cardIdAt(index.row()).isValid())
            return;
        const media::Slot slot =
            index.column() == first ? media::Slot::Picture : media::Slot::Sound;
        const QString path = chooseFile(slot);
        if (!path.isEmpty())
            takeFile(index.row(), path);
    });
    grid->viewport()->setAcceptDrops(true);
    grid->viewport()->installEventFilter(this);

    chooseFile = [this](media::Slot slot) {
        const bool picture = slot == media::Slot::Picture;
        return QFileDialog::getOpenFileName(
            s_.c.Form1,
            picture ? QCoreApplication::translate("GridMediaColumns", "Choose the card's picture")
                    : QCoreApplication::translate("GridMediaColumns", "Choose the card's sound"),
            QDir::homePath(),
            picture ? QCoreApplication::translate(
                          "GridMediaColumns",
                          "Pictures (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)")
                    : QCoreApplication::translate(
                          "GridMediaColumns",
                          "Sounds (*.wav *.mp3 *.ogg *.oga *.opus);;All files (*)"));
    };
    reload();
}

void GridMediaColumns::retranslate() {
    data::RecordsetModel* model = s_.c.Adodc2;
    model->setExtraCaption(0, QCoreApplication::translate("GridMediaColumns", "Picture"));
    model->setExtraCaption(1, QCoreApplication::translate("GridMediaColumns", "Sound"));
    toggle_->setText(
        QCoreApplication::translate("GridMediaColumns", "Show picture and sound columns"));
}

QVariant GridMediaColumns::cardIdAt(int row) const {
    data::RecordsetModel* model = s_.c.Adodc2;
    if (row < 0 || row >= model->dataRowCount())
        return {};
    return model->valueAt(row, QStringLiteral("Card_ID"));
}

void GridMediaColumns::reload() {
    media_.clear();
    try {
        // The set the grid shows, as its stored query picks it.
        const QString set =
            data::scalar(s_.rs.connection(), QStringLiteral("SELECT SetName FROM Fields LIMIT 1"))
                .toString();
        media_ = media::mediaOfSet(s_.rs.connection(), set);
    } catch (const data::DbError&) {
        // Unreadable media cost only the columns.
    }
    showColumns();
}

void GridMediaColumns::showColumns() {
    data::RecordsetModel* model = s_.c.Adodc2;
    const int first = model->firstExtraColumn();
    if (first == 0)
        return; // nothing read yet
    shown_ = toggle_->isChecked() || !media_.isEmpty();
    QTableView* grid = s_.c.TDBGrid2;
    for (int c = first; c < first + 2; ++c) {
        grid->setColumnHidden(c, !shown_);
        if (shown_)
            grid->horizontalHeader()->resizeSection(c, kThumbnail + 16);
    }
}

QVariant GridMediaColumns::cell(int row, int role, media::Slot slot) {
    const QVariant id = cardIdAt(row);
    if (!id.isValid())
        return {};
    const media::CardMedia found = media_.value(id.toLongLong());
    const QString hash = slot == media::Slot::Picture ? found.picture : found.sound;
    if (hash.isEmpty()) {
        if (role == Qt::ToolTipRole)
            return slot == media::Slot::Picture
                       ? QCoreApplication::translate("GridMediaColumns",
                                                     "No picture: double-click, drop or paste one")
                       : QCoreApplication::translate("GridMediaColumns",
                                                     "No sound: double-click or drop one");
        return {};
    }
    if (slot == media::Slot::Sound) {
        if (role == Qt::DisplayRole)
            return kSoundMark;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role == Qt::ToolTipRole)
            return QCoreApplication::translate("GridMediaColumns",
                                               "A sound: right-click to play or remove it");
        return {};
    }
    if (role == Qt::ToolTipRole)
        return QCoreApplication::translate("GridMediaColumns",
                                           "A picture: right-click to change or remove it");
    if (role != Qt::DecorationRole)
        return {};
    switch (cache_->state(hash, thumbnailBox())) {
    case PictureCache::State::Ready:
        return QPixmap::fromImage(cache_->image(hash, thumbnailBox()));
    case PictureCache::State::Absent:
        // Read after the grid is drawn, so drawing never waits for the pictures' bytes.
        if (!wanted_.contains(hash)) {
            wanted_.append(hash);
            if (wanted_.size() == 1)
                QTimer::singleShot(0, this, &GridMediaColumns::readWanted);
        }
        return {};
    default:
        return {};
    }
}

void GridMediaColumns::readWanted() {
    const QStringList hashes = std::exchange(wanted_, {});
    for (const QString& hash : hashes) {
        try {
            const auto stored = media::loadMedia(s_.rs.connection(), hash);
            cache_->request(hash, thumbnailBox(), stored ? stored->data : QByteArray());
        } catch (const data::DbError&) {
            cache_->request(hash, thumbnailBox(), QByteArray());
        }
    }
}

bool GridMediaColumns::keep(int row, const QByteArray& bytes, const QString& name,
                            media::Slot slot) {
    const QVariant id = cardIdAt(row);
    if (!id.isValid())
        return false;
    try {
        media::setCardMediaFromBytes(s_.rs.connection(), id, slot, bytes, name);
    } catch (const media::MediaRefused& e) {
        s_.dialogs.warning(e.message());
        return false;
    } catch (const data::DbError& e) {
        s_.dialogs.warning(e.message());
        return false;
    }
    reload();
    s_.c.TDBGrid2->viewport()->update();
    return true;
}

bool GridMediaColumns::takeFile(int row, const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        s_.dialogs.warning(
            QCoreApplication::translate("GridMediaColumns", "\"%1\" cannot be read").arg(path));
        return false;
    }
    // Larger than any kind may be: refused before it is read whole.
    if (file.size() > media::kLargestSoundBytes) {
        s_.dialogs.warning(
            QCoreApplication::translate(
                "GridMediaColumns",
                "\"%1\" is larger than 20 MB: too large for a card's picture or sound.")
                .arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const media::Kind kind = media::kindOf(bytes);
    return keep(row, bytes, path, media::isSound(kind) ? media::Slot::Sound : media::Slot::Picture);
}

bool GridMediaColumns::pastePicture(int row) {
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) {
        s_.dialogs.warning(
            QCoreApplication::translate("GridMediaColumns", "The clipboard holds no picture"));
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return keep(row, bytes, QStringLiteral("pasted.png"), media::Slot::Picture);
}

void GridMediaColumns::remove(int row, media::Slot slot) {
    const QVariant id = cardIdAt(row);
    if (!id.isValid())
        return;
    try {
        media::setCardMedia(s_.rs.connection(), id, slot, QString());
    } catch (const data::DbError& e) {
        s_.dialogs.warning(e.message());
    }
    reload();
    s_.c.TDBGrid2->viewport()->update();
}

void GridMediaColumns::play(int row) {
    const QVariant id = cardIdAt(row);
    if (!id.isValid())
        return;
    try {
        const auto stored =
            media::loadMedia(s_.rs.connection(), media_.value(id.toLongLong()).sound);
        if (!stored || !s_.speech.playRecording(stored->data, /*wait=*/false))
            s_.dialogs.warning(
                QCoreApplication::translate("GridMediaColumns", "This sound cannot be played"));
    } catch (const data::DbError& e) {
        s_.dialogs.warning(e.message());
    } catch (const speech::SpeechUnavailable& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("GridMediaColumns", "The sound cannot be played: %1")
                .arg(e.message()));
    }
}

void GridMediaColumns::contextMenu(const QPoint& at) {
    QTableView* grid = s_.c.TDBGrid2;
    const int row = grid->indexAt(at).row();
    const QVariant id = cardIdAt(row);
    if (!id.isValid())
        return;
    const media::CardMedia found = media_.value(id.toLongLong());
    QMenu menu(grid);
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Choose picture..."), this,
                   [this, row] {
                       const QString path = chooseFile(media::Slot::Picture);
                       if (!path.isEmpty())
                           takeFile(row, path);
                   });
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Paste picture"), this,
                   [this, row] { pastePicture(row); })
        ->setEnabled(!QApplication::clipboard()->image().isNull());
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Remove picture"), this,
                   [this, row] { remove(row, media::Slot::Picture); })
        ->setEnabled(!found.picture.isEmpty());
    menu.addSeparator();
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Choose sound..."), this,
                   [this, row] {
                       const QString path = chooseFile(media::Slot::Sound);
                       if (!path.isEmpty())
                           takeFile(row, path);
                   });
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Play sound"), this,
                   [this, row] { play(row); })
        ->setEnabled(!found.sound.isEmpty());
    menu.addAction(QCoreApplication::translate("GridMediaColumns", "Remove sound"), this,
                   [this, row] { remove(row, media::Slot::Sound); })
        ->setEnabled(!found.sound.isEmpty());
    menu.exec(grid->viewport()->mapToGlobal(at));
}

bool GridMediaColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == s_.c.Form1 && event->type() == QEvent::LanguageChange) {
        retranslate();
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls() &&
            cardIdAt(s_.c.TDBGrid2->indexAt(drag->position().toPoint()).row()).isValid()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const int row = s_.c.TDBGrid2->indexAt(drop->position().toPoint()).row();
        const QList<QUrl> urls = drop->mimeData()->urls();
        if (!urls.isEmpty() && urls.first().isLocalFile() && cardIdAt(row).isValid()) {
            drop->acceptProposedAction();
            takeFile(row, urls.first().toLocalFile());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace window
