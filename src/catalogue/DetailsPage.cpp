#include "catalogue/DetailsPage.h"

#include "app/Make.h"
#include "app/RecordNavigator.h"
#include "app/Tag.h"
#include "catalogue/FieldColours.h"
#include "catalogue/PlantCursor.h"
#include "photos/PhotoCommands.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoView.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace vindel {

namespace {

// Where the literature photo stands in its frame "Literaturfoto :".
const QRect kLiteratureDesign(8, 22, 364, 300);

QPlainTextEdit *memo(const char *name)
{
    QPlainTextEdit *m = make::memo(name);
    m->setReadOnly(true);
    return m;
}

// The web addresses a link field may open: only web pages, whatever else the text names.
std::optional<QUrl> webAddress(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    return url;
}

} // namespace

DetailsPage::DetailsPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet2"), QStringLiteral("Details                 "))
{
    DesignLayout *page = design();

    QFont headingFont = font();
    headingFont.setPixelSize(24);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    Label53 = new QLabel;
    Label53->setObjectName(QStringLiteral("Label53"));
    Label53->setFont(headingFont);
    Label53->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    page->place(Label53, {13, 9, 600, 36});
    Label52 = new QLabel;
    Label52->setObjectName(QStringLiteral("Label52"));
    Label52->setFont(headingFont);
    Label52->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    page->place(Label52, {10, 8, 600, 36});

    page->place(new QLabel(QStringLiteral("Nr.:")), {620, 20, 36, 22});
    DetailsNumber = new QLabel;
    DetailsNumber->setObjectName(QStringLiteral("DetailsNumber"));
    page->place(DetailsNumber, {656, 20, 120, 22});

    // A long text with its caption just above it.
    auto memoWithCaption = [page](const QString &caption, const char *name, const QRect &rect) {
        page->place(new QLabel(caption), {rect.x(), rect.y() - 18, 200, 18});
        QPlainTextEdit *m = memo(name);
        page->place(m, rect);
        return m;
    };
    Memo3 = memoWithCaption(QStringLiteral("Beschreibung :"), "Memo3", {10, 74, 295, 200});
    Memo4 = memoWithCaption(QStringLiteral("Pflegehinweise:"), "Memo4", {315, 74, 295, 200});
    Memo5 = memoWithCaption(QStringLiteral("Vermehrung :"), "Memo5", {10, 302, 295, 170});
    Memo1 = memoWithCaption(QStringLiteral("Düngung :"), "Memo1", {315, 302, 295, 170});
    Memo6 = memoWithCaption(QStringLiteral("Boden :"), "Memo6", {10, 500, 600, 130});

    GroupBox9 = make::groupBox("GroupBox9", QStringLiteral("Literaturfoto :"));
    page->place(GroupBox9, {620, 60, 380, 330});
    auto *literatureFrame = new DesignLayout(GroupBox9, {380, 330});
    Image9 = new PhotoView(QStringLiteral("Image9"), photoSlot(kLiteratureSlot).fit);
    literatureFrame->place(Image9, kLiteratureDesign, AnchorAll);
    Image9->setGeometry(kLiteratureDesign); // until the page is first laid out
    connect(Image9, &PhotoView::resized, this, [this] { requestLiteratureFrame(); });
    Image9->setToolTip(QStringLiteral("Klicken um Bild anzeigen!"));
    connect(Image9, &PhotoView::pressed, this, [this](Qt::MouseButton, const QPoint &at) {
        ctx.run([&] { ctx.service<PlantPhotoCommands>().PopupMenu1Popup(kLiteratureSlot, at); });
    });
    PlantPhotoSlots &photos = photoServices(ctx).currentPlant();
    photos.setFrameSize(kLiteratureSlot, Image9->frameInDevicePixels());
    connect(&photos, &PlantPhotoSlots::slotChanged, this, [this](int slot, const QImage &picture, SlotState state) {
        if (slot == kLiteratureSlot)
            Image9->setPicture(picture, state);
    });

    GroupBox8 = new QGroupBox(QStringLiteral("Links zu Webseiten:"));
    GroupBox8->setObjectName(QStringLiteral("GroupBox8"));
    page->place(GroupBox8, {620, 560, 380, 130});
    auto *links = new DesignLayout(GroupBox8, {380, 130});
    auto linkField = [this, links](const char *name, int top) {
        auto *e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        e->setReadOnly(true);
        e->setMaxLength(255);
        e->setToolTip(QStringLiteral("Webseite aufrufen mit Doppelklick"));
        e->installEventFilter(this);
        links->place(e, {8, top, 364, 24});
        return e;
    };
    Edit54 = linkField("Edit54", 24);
    Edit55 = linkField("Edit55", 56);
    Edit56 = linkField("Edit56", 88);

    auto *navigator = new RecordNavigator("DBNavigator1", {RecordNavigator::First, RecordNavigator::Prior,
                                                           RecordNavigator::Next, RecordNavigator::Last});
    DBNavigator1 = navigator;
    NavigatorFirst = navigator->button(RecordNavigator::First);
    NavigatorPrior = navigator->button(RecordNavigator::Prior);
    NavigatorNext = navigator->button(RecordNavigator::Next);
    NavigatorLast = navigator->button(RecordNavigator::Last);
    page->place(DBNavigator1, {10, 645, 200, 30});

    BitBtn6 = new QPushButton(QStringLiteral("Bearbeiten"));
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    page->place(BitBtn6, {330, 645, 170, 30});
    BitBtn11 = new QPushButton(QStringLiteral("Abbrechen"));
    BitBtn11->setObjectName(QStringLiteral("BitBtn11"));
    BitBtn11->hide();
    page->place(BitBtn11, {510, 645, 100, 30});
    BitBtn12 = new QPushButton(QStringLiteral("Druckansicht"));
    BitBtn12->setObjectName(QStringLiteral("BitBtn12"));
    page->place(BitBtn12, {220, 645, 100, 30});

    auto handle = [this](auto method) { return [this, method] { ctx.run([this, method] { (this->*method)(); }); }; };
    connect(BitBtn6, &QPushButton::clicked, this, handle(&DetailsPage::BitBtn6Click));
    connect(BitBtn11, &QPushButton::clicked, this, handle(&DetailsPage::BitBtn11Click));
    connect(BitBtn12, &QPushButton::clicked, this, handle(&DetailsPage::BitBtn12Click));
    connect(NavigatorFirst, &QToolButton::clicked, this, handle(&DetailsPage::firstPlant));
    connect(NavigatorPrior, &QToolButton::clicked, this, handle(&DetailsPage::priorPlant));
    connect(NavigatorNext, &QToolButton::clicked, this, handle(&DetailsPage::nextPlant));
    connect(NavigatorLast, &QToolButton::clicked, this, handle(&DetailsPage::lastPlant));
    setEditable(false);
    connect(&ctx.events, &ContextEvents::plantShown, this, [this] { ctx.run([this] { showPlant(); }); });
}

// The fields of the plant the catalogue shows.
void DetailsPage::showPlant()
{
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    const std::pair<QPlainTextEdit *, const char *> memos[] = {
        {Memo3, "Beschreibung"}, {Memo4, "Pflege"}, {Memo5, "Vermehrung"}, {Memo1, "Düngung"}, {Memo6, "Boden"}};
    for (const auto &[field, column] : memos)
        field->setPlainText(plants.text(QString::fromUtf8(column)));
    const std::pair<QLineEdit *, const char *> links[] = {
        {Edit54, "Webseite1"}, {Edit55, "Webseite2"}, {Edit56, "Webseite3"}};
    for (const auto &[field, column] : links) {
        field->setText(plants.text(QString::fromUtf8(column)));
        field->setCursorPosition(0);
    }
    const QString name = plants.text(QStringLiteral("Namen"));
    Label52->setText(name);
    Label53->setText(name);
    DetailsNumber->setText(plants.text(QStringLiteral("Nr")));
}

// The photo is made for the frame it is shown in; a frame that changed size gets a new one.
void DetailsPage::requestLiteratureFrame()
{
    PlantPhotoSlots &photos = photoServices(ctx).currentPlant();
    const QSize frame = Image9->frameInDevicePixels();
    if (frame.width() < 32 || frame.height() < 32 || frame == photos.frameSize(kLiteratureSlot))
        return;
    photos.setFrameSize(kLiteratureSlot, frame);
    photos.reshowSlot(kLiteratureSlot);
}

bool DetailsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Edit54)
            ctx.run([this] { Edit54DblClick(); });
        else if (watched == Edit55)
            ctx.run([this] { Edit55DblClick(); });
        else if (watched == Edit56)
            ctx.run([this] { Edit56DblClick(); });
    }
    return Page::eventFilter(watched, event);
}

bool DetailsPage::editing() const { return Tag::of(BitBtn6) == 1; }

void DetailsPage::setEditable(bool editable)
{
    for (QPlainTextEdit *m : {Memo3, Memo4, Memo5, Memo1, Memo6}) {
        m->setReadOnly(!editable);
        paintField(m, editable);
    }
    for (QLineEdit *e : {Edit54, Edit55, Edit56}) {
        e->setReadOnly(!editable);
        paintField(e, editable);
    }
}

void DetailsPage::TabSheet2Show()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    ctx.state.CurrentPlantNr = int(plants.integer(QStringLiteral("Nr")));
    // While the main view edits a plant, the current plant must not change under it.
    DBNavigator1->setEnabled(!(ctx.catalogue && ctx.catalogue->editingPlant()));
}

void DetailsPage::TabSheet2Exit()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    if (plants.active() && !plants.isEmpty())
        plants.locate(QStringLiteral("ID"), ctx.state.CurrentPlantId);
}

// "Druckansicht": the data sheet of the plant shown.
void DetailsPage::BitBtn12Click()
{
    if (ctx.reports)
        ctx.reports->previewPlantSheet();
}

void DetailsPage::BitBtn6Click()
{
    if (!editing()) {
        Tag::set(BitBtn6, 1);
        BitBtn6->setText(QStringLiteral("Änderungen speichern"));
        BitBtn11->show();
        setEditable(true);
        return;
    }
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    // No plant, nothing to store into (editing an empty table would append one).
    if (!plants.isEmpty()) {
        plants.edit();
        plants.setValue(QStringLiteral("Düngung"), Memo1->toPlainText());
        plants.setValue(QStringLiteral("Boden"), Memo6->toPlainText());
        plants.setValue(QStringLiteral("Beschreibung"), Memo3->toPlainText());
        plants.setValue(QStringLiteral("Pflege"), Memo4->toPlainText());
        plants.setValue(QStringLiteral("Vermehrung"), Memo5->toPlainText());
        plants.setValue(QStringLiteral("Webseite1"), Edit54->text());
        plants.setValue(QStringLiteral("Webseite2"), Edit55->text());
        plants.setValue(QStringLiteral("Webseite3"), Edit56->text());
        try {
            plants.post();
        } catch (...) {
            plants.cancel();
            throw;
        }
        stampLastChange(ctx);
    }
    Tag::set(BitBtn6, 0);
    BitBtn6->setText(QStringLiteral("Bearbeiten"));
    setEditable(false);
    BitBtn11->hide();
    if (!plants.isEmpty())
        ctx.prompter.information(QStringLiteral("Daten wurden geändert"));
}

void DetailsPage::BitBtn11Click()
{
    Tag::set(BitBtn6, 0);
    BitBtn6->setText(QStringLiteral("Bearbeiten"));
    setEditable(false);
    BitBtn11->hide();
    // Show the stored texts again rather than what was typed and discarded.
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    if (plants.active() && !plants.isEmpty())
        showPlant();
}

void DetailsPage::openWebLink(QLineEdit *field)
{
    if (const auto url = webAddress(field->text()))
        ctx.prompter.openUrl(*url);
}

void DetailsPage::Edit54DblClick() { openWebLink(Edit54); }
void DetailsPage::Edit55DblClick() { openWebLink(Edit55); }
void DetailsPage::Edit56DblClick() { openWebLink(Edit56); }

void DetailsPage::navigate(void (Dataset::*move)())
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    if (plants.isEmpty())
        return;
    (plants.*move)();
}

void DetailsPage::firstPlant() { navigate(&Dataset::first); }
void DetailsPage::priorPlant() { navigate(&Dataset::prior); }
void DetailsPage::nextPlant() { navigate(&Dataset::next); }
void DetailsPage::lastPlant() { navigate(&Dataset::last); }

} // namespace vindel
