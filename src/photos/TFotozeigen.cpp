#include "photos/TFotozeigen.h"

#include "app/Colours.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "app/Tag.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoSlots.h"
#include "photos/PhotoStore.h"
#include "photos/PhotoView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace vindel {

namespace {

const QSize kDesign{800, 680};

QFont labelFont()
{
    QFont f(QStringLiteral("Arial Narrow"));
    f.setPixelSize(24);
    f.setBold(true);
    return f;
}

} // namespace

TFotozeigen::TFotozeigen(AppContext &context)
    : AppWindow(context, QStringLiteral("TFotozeigen"), QStringLiteral("Fotos"), kDesign),
      m_loader(photoServices(context).loader()), m_requester(m_loader.reserveRequesters(1))
{
    auto *layout = new DesignLayout(this, kDesign);
    Image1 = new PhotoView(QStringLiteral("Image1"), FitMode::Stretch);
    Image1->setFrameShape(QFrame::NoFrame);
    layout->place(Image1, {8, 44, 784, 574}, AnchorAll);
    Label2 = make::label("Label2");
    Label2->setFont(labelFont());
    layout->place(Label2, {12, 6, 380, 34});
    Label1 = make::label("Label1");
    Label1->setFont(labelFont());
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->place(Label1, {400, 6, 388, 34}, AnchorTop | AnchorRight);

    constexpr int bottom = AnchorLeft | AnchorBottom;
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Vorheriges Foto"));
    layout->place(BitBtn2, {12, 630, 130, 32}, bottom);
    BitBtn1 = make::button("BitBtn1", QStringLiteral("Nächstes Foto"));
    layout->place(BitBtn1, {148, 630, 130, 32}, bottom);
    CheckBox1 = make::checkBox("CheckBox1", QStringLiteral("Name anzeigen"));
    CheckBox1->setChecked(true);
    layout->place(CheckBox1, {300, 634, 140, 24}, bottom);
    CheckBox2 = make::checkBox("CheckBox2", QStringLiteral("Aufnahmedatum anzeigen"));
    CheckBox2->setChecked(true);
    layout->place(CheckBox2, {446, 634, 180, 24}, bottom);
    BitBtn3 = make::button("BitBtn3", QStringLiteral("Foto bearbeiten"));
    layout->place(BitBtn3, {650, 630, 138, 32}, AnchorRight | AnchorBottom);

    connect(BitBtn1, &QPushButton::clicked, this, handler(&TFotozeigen::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TFotozeigen::BitBtn2Click));
    connect(CheckBox1, &QCheckBox::clicked, this, handler(&TFotozeigen::CheckBox1Click));
    connect(CheckBox2, &QCheckBox::clicked, this, handler(&TFotozeigen::CheckBox2Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TFotozeigen::BitBtn3Click));

    // The picture is made for the size it is shown at; a new size gets a new one.
    connect(&m_loader, &ThumbnailLoader::ready, this, &TFotozeigen::onReady);
    m_reframe.setSingleShot(true);
    m_reframe.setInterval(100);
    connect(&m_reframe, &QTimer::timeout, this, [this] { requestPicture(); });
    connect(Image1, &PhotoView::resized, &m_reframe, qOverload<>(&QTimer::start));
}

TFotozeigen::~TFotozeigen() { m_loader.cancel(m_requester); }

void TFotozeigen::open(const Showing &showing, QWidget *opener)
{
    m_album = showing.album;
    if (!showing.caption.isEmpty())
        setWindowTitle(showing.caption);
    if (showing.editMode >= 0)
        Tag::set(BitBtn3, showing.editMode);
    BitBtn3->setVisible(showing.editMode != -1);
    if (!showing.picture.isNull()) {
        m_loader.cancel(m_requester);
        m_path.clear();
        m_memoryPicture = showing.picture;
        Image1->setPicture(showing.picture, SlotState::Photo);
    } else {
        m_memoryPicture = QImage();
        showFile(showing.path);
    }
    // Hidden and shown again, so that it activates anew.
    hide();
    showOver(opener);
}

void TFotozeigen::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormActivate(); });
}

void TFotozeigen::FormActivate()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    t.Tab_ListeallerFotos.open();
    setBackground(this, s.GroupBoxColor);
    applyLabels();
    // The main view puts its cursors back on these when the viewer closes.
    if (t.Tab_Kate_test.active())
        s.CurrentCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    if (t.Tab_Gattung.active())
        s.CurrentGenusId = int(t.Tab_Gattung.integer(QStringLiteral("ID")));
    if (t.Tab_Pflanzen_test.active())
        s.CurrentPlantId = int(t.Tab_Pflanzen_test.integer(QStringLiteral("ID")));

    Table &photos = t.Tab_ListeallerFotos;
    photos.first();
    photos.locate(QStringLiteral("Fotoname"), QFileInfo(s.CurrentPhotoPath).fileName());
    Label2->setText(photos.text(QStringLiteral("Fotodatum")));

    BitBtn1->setVisible(m_album);
    BitBtn2->setVisible(m_album);
    if (m_album) {
        Label1->setText(QStringLiteral("Nr. ") + QFileInfo(m_path).fileName().section(QLatin1Char('.'), 0, 0));
    } else if (t.Tab_Pflanzen_test.active()) {
        Label1->setText(QStringLiteral("Nr. ") + t.Tab_Pflanzen_test.text(QStringLiteral("Nr")) + QLatin1Char(' ')
                        + t.Tab_Pflanzen_test.text(QStringLiteral("Namen")));
    }
    if (s.PhotoCode == 7)
        BitBtn3->hide();
}

void TFotozeigen::applyLabels()
{
    Label1->setVisible(CheckBox1->isChecked());
    Label2->setVisible(CheckBox2->isChecked());
}

void TFotozeigen::CheckBox1Click() { applyLabels(); }
void TFotozeigen::CheckBox2Click() { applyLabels(); }

void TFotozeigen::showFile(const QString &path)
{
    m_path = path;
    requestPicture();
}

void TFotozeigen::requestPicture()
{
    if (m_path.isEmpty())
        return;
    Image1->setPicture(QImage(), SlotState::Loading);
    m_loader.request(m_requester, m_path, Image1->frameInDevicePixels(), FitMode::Stretch);
}

void TFotozeigen::onReady(int requester, quint64, const PhotoLoadResult &result)
{
    if (requester != m_requester)
        return;
    // A file that cannot be read shows the photo-missing placeholder, without a message.
    const SlotState state = slotStateFor(result);
    Image1->setPicture(state == SlotState::Photo ? result.image : placeholderImage(Placeholder::PhotoMissing), state);
}

void TFotozeigen::step(void (Dataset::*move)())
{
    Table &photos = ctx.tables.Tab_ListeallerFotos;
    photos.open();
    if (photos.isEmpty())
        return;
    (photos.*move)(); // at either end it stays on the end row, which is shown again
    applyLabels();
    const QString name = photos.text(QStringLiteral("Fotoname"));
    setWindowTitle(QStringLiteral("Nr.: ") + name);
    Label1->setText(QStringLiteral("Nr. ") + name);
    Label2->setText(photos.text(QStringLiteral("Fotodatum")));
    const std::optional<QString> path = PhotoStore(ctx.state.PhotoDir).resolve(name);
    ctx.state.CurrentPhotoPath = ctx.state.PhotoDir + name;
    showFile(path.value_or(QString()));
    if (!path)
        Image1->setPicture(placeholderImage(Placeholder::PhotoMissing), SlotState::Missing);
}

void TFotozeigen::BitBtn1Click() { step(&Dataset::next); }
void TFotozeigen::BitBtn2Click() { step(&Dataset::prior); }

void TFotozeigen::BitBtn3Click()
{
    DataTables &t = ctx.tables;
    t.Tab_Stammdaten.open();
    const QString editor = t.Tab_Stammdaten.text(QStringLiteral("Fotobearbeitung"));
    if (editor.isEmpty()) {
        ctx.prompter.error(QStringLiteral(
            "Es ist noch kein Programm zur Fotobearbeitung in den Stammdaten gespeichert!\n\nBitte gehen Sie zu den "
            "Stammdaten und speichern dort Ihr favorisiertes Programm für die Fotobearbeitung"));
        return;
    }
    const PhotoStore store(ctx.state.PhotoDir);
    std::optional<QString> photo;
    const int mode = Tag::of(BitBtn3);
    if (mode == 0 && t.Tab_ListeallerFotos.active())
        photo = store.resolve(t.Tab_ListeallerFotos.text(QStringLiteral("Fotoname")));
    else if (mode >= 1 && mode <= 6 && t.Tab_Pflanzen_test.active())
        photo = store.resolve(t.Tab_Pflanzen_test.text(QStringLiteral("Bild%1").arg(mode)));
    else if (mode == 8)
        photo = store.resolve(QFileInfo(ctx.state.CurrentPhotoPath).fileName());
    Tag::set(BitBtn3, 0);
    // The photo's path is one argument of its own; no shell comes between.
    if (!photo || !QFileInfo(*photo).isFile() || !ctx.prompter.startProgram(editor, {*photo}))
        ctx.prompter.error(QStringLiteral(
            "Es ist ein Fehler aufgetreten!\n\nDas Foto befindet sich nicht mehr im Ordner \"Fotos\""));
}

void TFotozeigen::closeEvent(QCloseEvent *event)
{
    event->accept();
    ctx.run([this] { FormClose(); });
}

void TFotozeigen::FormClose()
{
    if (m_closing)
        return;
    m_closing = true;
    m_loader.cancel(m_requester);
    BitBtn3->show();
    closeAndReturn();
    m_closing = false;
    // The page the viewer was opened from shows itself again.
    if (!ctx.frame)
        return;
    const int code = ctx.state.PhotoCode;
    if (m_album)
        ctx.frame->stayOnPage(QStringLiteral("TabSheet6"));
    else if (code >= 1 && code <= 6)
        ctx.frame->runPageShown(QStringLiteral("TabSheet1"));
    else if (code == 7)
        ctx.frame->runPageShown(QStringLiteral("TabSheet2"));
    else if (code == 8)
        ctx.frame->runPageShown(QStringLiteral("TabSheet3"));
}

} // namespace vindel
