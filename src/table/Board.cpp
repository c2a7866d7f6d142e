#include "table/Board.h"

#include "engine/BoardGeometry.h"
#include "engine/BoardModel.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "lookfeel/TableArt.h"
#include "table/OutlineFrame.h"
#include "table/TPlayingCards.h"
#include "table/TableImage.h"

#include <QLabel>

#include <algorithm>

namespace lumo {

namespace {

QString DisplayText(const std::string &stored)
{
    QString text = QString::fromStdString(stored);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QColor ToQColor(BgrColor c)
{
    return QColor(c.Red(), c.Green(), c.Blue());
}

Qt::CursorShape ToCursor(PointerShape shape)
{
    return shape == PointerShape::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

QLabel *ScoreLabel(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(LookFonts::Dialog(8, true));
    label->setStyleSheet(QStringLiteral("color: rgb(22, 56, 95); background: transparent;"));
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text) {
        label->setText(text);
        label->adjustSize();
    }
}

} // namespace

Board::Board(QWidget *parent)
    : GradientPanel(LookColors::FrameBlue(), LookColors::TableGreen(), Direction::Vertical, parent)
{
    setObjectName(QStringLiteral("p_karten"));
    resize(TableWidth, TableHeight);
    BuildLabels();
    BuildFrames();
    BuildCards();
    // The status label's longer texts ("Kein Zug mehr möglich.") reach over
    // the first foundation and the card lying on it; they must be read
    // whole, so the label stays above the pictures and the cards. Overlays
    // added later (the menu) lie above it.
    AddOverlay(lb_mischen);
}

void Board::BuildFrames()
{
    for (int f = 1; f <= kFoundationCount; ++f) {
        auto *image = new TableImage(this);
        image->setObjectName(QStringLiteral("back_%1").arg(f));
        image->setGeometry(FoundationLeft(f), kFoundationTop, kFrameWidth, kFrameHeight);
        image->SetPicture(QString::fromLatin1(TableArt::FoundationPicture(f)));
        image->setCursor(Qt::PointingHandCursor);
        FFoundations[f] = image;
    }
    for (int p = 1; p <= kPileCount; ++p) {
        auto *frame = new TableImage(this);
        frame->setObjectName(QStringLiteral("i_%1").arg(p));
        frame->setGeometry(PileFrameLeft(p), PileFrameTop(p), kFrameWidth, kFrameHeight);
        frame->SetPicture(QString::fromLatin1(TableArt::PileFrame));
        FPileFrames[p] = frame;
    }
    bild_go = new TableImage(this);
    bild_go->setObjectName(QStringLiteral("bild_go"));
    bild_go->setGeometry(QRect(QPoint(kReshuffleImageLeft, kReshuffleImageTop), TableArt::ReshuffleGoSize));
    bild_go->SetPicture(QString::fromLatin1(TableArt::ReshuffleGo));
    bild_go->setCursor(Qt::PointingHandCursor);
    bild_go->setToolTip(QStringLiteral("Karten neu mischen"));
    bild_stop = new TableImage(this);
    bild_stop->setObjectName(QStringLiteral("bild_stop"));
    bild_stop->setGeometry(QRect(QPoint(kReshuffleImageLeft, kReshuffleImageTop), TableArt::ReshuffleStopSize));
    bild_stop->SetPicture(QString::fromLatin1(TableArt::ReshuffleStop));
    bild_stop->hide();
}

void Board::BuildLabels()
{
    sh_punkte = new OutlineFrame(this);
    sh_punkte->setObjectName(QStringLiteral("sh_punkte"));
    sh_punkte->setGeometry(600, 2, 187, 50);
    lb_punkte = ScoreLabel(this, "lb_punkte", QStringLiteral("Punkte:"), kScoreLabelLeft, kPointsLabelTop);
    lb_time = ScoreLabel(this, "lb_time", QStringLiteral("Spielzeit:"), kScoreLabelLeft, kTimeLabelTop);
    lb_zug = ScoreLabel(this, "lb_zug", QStringLiteral("Züge:"), kScoreLabelLeft, kMovesLabelTop);
    // The high-score list's frame (sh_bester) is built by the list itself.

    lb_mischen = new QLabel(this);
    lb_mischen->setObjectName(QStringLiteral("lb_mischen"));
    lb_mischen->setFont(LookFonts::ArialPixels(12, true));
    lb_mischen->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lb_mischen->move(kStatusLabelLeft, kStatusLabelTop);
}

void Board::BuildCards()
{
    for (int i = 1; i <= kCardCount; ++i) {
        auto *card = new TPlayingCards(this);
        card->setObjectName(QStringLiteral("card_%1").arg(i));
        card->SetFaceIndex(i);
        card->resize(kCardWidth, kCardHeight);
        card->hide();
        FCards[i] = card;
    }
}

TPlayingCards *Board::Card(int card) const
{
    return card >= 1 && card <= kCardCount ? FCards[card] : nullptr;
}

TableImage *Board::PileFrame(int pile) const
{
    return pile >= 1 && pile <= kPileCount ? FPileFrames[pile] : nullptr;
}

TableImage *Board::Foundation(int foundation) const
{
    return foundation >= 1 && foundation <= kFoundationCount ? FFoundations[foundation] : nullptr;
}

void Board::AddOverlay(QWidget *widget)
{
    FOverlays.push_back(widget);
    widget->raise();
}

void Board::RaiseOverlays()
{
    for (QWidget *w : FOverlays)
        w->raise();
}

void Board::Render(const BoardModel &model)
{
    for (int i = 1; i <= kCardCount; ++i)
        RenderCard(model, i);
    RenderFrames(model);
    RenderLabels(model);
    RenderOrder(model);
    const QColor end = ToQColor(model.tableEndColor);
    if (EndColor() != end)
        SetEndColor(end);
}

void Board::RenderCard(const BoardModel &model, int i)
{
    const CardView &v = model.Card(i);
    TPlayingCards *card = FCards[i];
    if (card->pos() != QPoint(v.left, v.top))
        card->move(v.left, v.top);
    card->SetSite(v.site == CardSide::Face ? soFace : soBack);
    card->SetBackIndex(v.backIndex);
    card->SetStapel(v.stapel);
    if (card->isEnabled() != v.enabled)
        card->setEnabled(v.enabled);
    if (card->cursor().shape() != ToCursor(v.cursor))
        card->setCursor(ToCursor(v.cursor));
    // Hints keep their stored line breaks; the balloon converts them.
    const QString hint = QString::fromStdString(v.hint);
    if (card->Hint() != hint)
        card->SetHint(hint);
    card->SetShowHint(v.showHint);
    if (card->isVisible() != v.visible)
        card->setVisible(v.visible);
    if (v.z > FFrontZ) {
        FFrontZ = v.z;
        card->raise();
        RaiseOverlays();
    }
}

void Board::RenderFrames(const BoardModel &model)
{
    auto apply = [](TableImage *image, const FrameView &v) {
        if (image->cursor().shape() != ToCursor(v.cursor))
            image->setCursor(ToCursor(v.cursor));
        const QString hint = QString::fromStdString(v.hint);
        if (image->toolTip() != hint)
            image->setToolTip(hint);
        if (image->isVisibleTo(image->parentWidget()) != v.visible)
            image->setVisible(v.visible);
    };
    for (int p = 1; p <= kPileCount; ++p) {
        apply(FPileFrames[p], model.PileFrame(p));
        FPileFrames[p]->SetPicture(QString::fromLatin1(
            model.highlightedPile == p ? TableArt::PileFrameHighlighted : TableArt::PileFrame));
    }
    for (int f = 1; f <= kFoundationCount; ++f)
        apply(FFoundations[f], model.FoundationImage(f));

    auto image = [](TableImage *w, const ImageView &v) {
        if (w->isVisibleTo(w->parentWidget()) != v.visible)
            w->setVisible(v.visible);
        if (w->cursor().shape() != ToCursor(v.cursor))
            w->setCursor(ToCursor(v.cursor));
        const QString hint = QString::fromStdString(v.hint);
        if (w->toolTip() != hint)
            w->setToolTip(hint);
    };
    image(bild_go, model.reshuffleGo);
    image(bild_stop, model.reshuffleStop);
}

void Board::RenderLabels(const BoardModel &model)
{
    auto apply = [](QLabel *label, const LabelView &v, bool coloured) {
        SetTextIfChanged(label, DisplayText(v.text));
        if (label->pos() != QPoint(v.left, v.top) && (v.left != 0 || v.top != 0))
            label->move(v.left, v.top);
        if (coloured) {
            const QString sheet = QStringLiteral("color: %1; background: transparent;")
                                      .arg(ToQColor(v.color).name());
            if (label->styleSheet() != sheet)
                label->setStyleSheet(sheet);
        }
        if (label->isVisibleTo(label->parentWidget()) != v.visible)
            label->setVisible(v.visible);
    };
    apply(lb_mischen, model.status, true);
    apply(lb_punkte, model.points, false);
    apply(lb_time, model.time, false);
    apply(lb_zug, model.moves, false);
}

void Board::RenderOrder(const BoardModel &model)
{
    // Cards and pile frames share one stacking order; foundations lie below.
    struct Item {
        std::uint64_t z;
        QWidget *widget;
    };
    std::vector<Item> items;
    items.reserve(kCardCount + kPileCount);
    for (int p = 1; p <= kPileCount; ++p)
        items.push_back({model.PileFrame(p).z, FPileFrames[p]});
    for (int i = 1; i <= kCardCount; ++i)
        items.push_back({model.Card(i).z, FCards[i]});
    std::stable_sort(items.begin(), items.end(),
        [](const Item &a, const Item &b) { return a.z < b.z; });
    std::vector<QWidget *> order;
    order.reserve(items.size());
    for (const Item &item : items) {
        order.push_back(item.widget);
        FFrontZ = std::max(FFrontZ, item.z);
    }
    if (order == FOrder)
        return;
    FOrder = order;
    for (QWidget *w : FOrder)
        w->raise();
    RaiseOverlays();
}

} // namespace lumo
