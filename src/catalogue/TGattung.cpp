#include "catalogue/TGattung.h"

#include "app/DesignLayout.h"
#include "app/ScrollGuard.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/PlantCursor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

namespace vindel {

namespace {

const QString kAll = QStringLiteral(" Alle");

// A combo box that refreshes its items right before it drops down.
class DropDownList : public QComboBox {
public:
    std::function<void()> beforeDropDown;
    void showPopup() override
    {
        if (beforeDropDown)
            beforeDropDown();
        QComboBox::showPopup();
    }
};

} // namespace

TGattung::TGattung(AppContext &context)
    : NameDialog(context, QStringLiteral("TGattung"), QStringLiteral("Gattung"), &HauptansichtPage::BitBtn29,
                 &HauptansichtPage::BitBtn7)
{
    TitleLabel = titleLabel("TitleLabel", {20, 14, 376, 28});
    auto *chooseCaption = new QLabel(QStringLiteral("Kategorie wählen:"));
    chooseCaption->setObjectName(QStringLiteral("CategoryLabel"));
    m_layout->place(chooseCaption, {20, 56, 120, 22});
    auto *list = new DropDownList;
    list->beforeDropDown = [this] { ctx.run([this] { ComboBox1DropDown(); }); };
    ComboBox1 = list;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    m_layout->place(ComboBox1, {142, 54, 250, 24});
    NameLabel = new QLabel;
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    m_layout->place(NameLabel, {20, 92, 120, 22});
    nameField({142, 90, 250, 24});
    NoteLabel = new QLabel(
        QStringLiteral("Der geänderte Name der Gattung wird bei allen Pflanzen dieser Gattung entsprechend geändert!"));
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setWordWrap(true);
    NoteLabel->hide();
    m_layout->place(NoteLabel, {20, 126, 376, 60});
    addButtons();

    connect(Edit1, &QLineEdit::textChanged, this, &TGattung::updateSaveButton);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TGattung::updateSaveButton);
}

// Deleting the text again does not disable the button.
void TGattung::updateSaveButton()
{
    if (!Edit1->text().isEmpty() && !ComboBox1->currentText().isEmpty())
        SaveButton->setEnabled(true);
}

void TGattung::FormActivate()
{
    Table &genera = ctx.tables.Tab_Gattung;
    Table &categories = ctx.tables.Tab_Kate_test;
    genera.open();
    categories.open();
    m_oldName = genera.text(QStringLiteral("Familie"));
    m_genusId = int(genera.integer(QStringLiteral("ID")));
    const QString category = categories.text(QStringLiteral("Namen"));
    const bool renaming = renameMode();
    const QSignalBlocker blockName(Edit1);
    const QSignalBlocker blockList(ComboBox1);
    if (renaming) {
        TitleLabel->setText(QStringLiteral("Gattung ändern"));
        NameLabel->setText(QStringLiteral("Name:"));
        NoteLabel->show();
        // Under " Alle" the genus's own category is shown, so that saving does not move it.
        ComboBox1->setEditText(category != kAll ? category : genera.text(QStringLiteral("Kategorie")));
        Edit1->setText(m_oldName);
    } else {
        TitleLabel->setText(QStringLiteral("Neue Gattung anlegen"));
        NameLabel->setText(QStringLiteral("Neuer Name:"));
        NoteLabel->hide();
        if (category != kAll)
            ComboBox1->setEditText(category);
        Edit1->clear();
    }
    SaveButton->setEnabled(false);
    Edit1->setFocus();
}

void TGattung::ComboBox1DropDown()
{
    Table &categories = ctx.tables.Tab_Kate_test;
    ScrollGuard guard{&categories};
    categories.open();
    categories.setFiltered(false);
    categories.setIndexFieldNames(QStringLiteral("Namen"));
    const QString text = ComboBox1->currentText();
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->clear();
    for (categories.first(); !categories.eof(); categories.next()) {
        const QString name = categories.text(QStringLiteral("Namen"));
        if (name != kAll)
            ComboBox1->addItem(name);
    }
    ComboBox1->setEditText(text);
}

void TGattung::SaveClick()
{
    DataTables &t = ctx.tables;
    Table &genera = t.Tab_Gattung;
    Table &plants = t.Tab_Pflanzen_test;
    const bool renaming = renameMode();
    const QString newName = Edit1->text();
    const QString category = ComboBox1->currentText();
    if (newName.isEmpty() || category.isEmpty()) {
        ctx.prompter.error(QStringLiteral("Bitte geben Sie die Kategorie und den Namen der Gattung ein!"));
        return;
    }
    {
        ScrollGuard guard{&genera, &plants};
        genera.open();
        plants.open();
        const bool plantsFiltered = plants.filtered();
        try {
            // The genus and the plants that carry its old name change together, or not at all.
            Transaction transaction(t.db);
            if (renaming)
                genera.locate(QStringLiteral("ID"), m_genusId);
            else
                genera.append();
            genera.edit();
            genera.setValue(QStringLiteral("Kategorie"), category);
            genera.setValue(QStringLiteral("Familie"), newName);
            genera.post();
            genera.refresh();
            genera.close();
            genera.open();

            plants.setFiltered(false);
            plants.first();
            if (renaming)
                replaceColumnValues(plants, QStringLiteral("Familie"), m_oldName, newName);
            plants.setFiltered(plantsFiltered);
            transaction.commit();
        } catch (...) {
            plants.setFiltered(plantsFiltered);
            throw;
        }
        if (renaming)
            genera.locate(QStringLiteral("ID"), m_genusId);
    }
    clearFlags();
    // The plant list was filtered by the old name; it shows the renamed genus's plants now.
    if (renaming && ctx.catalogue)
        ctx.catalogue->Gattungzeigen();
    closeAndReturn();
}

} // namespace vindel
