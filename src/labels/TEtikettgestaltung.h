#pragma once

#include "app/AppWindow.h"
#include "labels/LabelDesign.h"

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vindel {

// "Etikettgestaltung": the label design in force (strip height, the eight print fields and the
// fonts of the two kinds of line), its preview, and designs kept under a name. "Drucken" prints
// the list the list window shows as labels.
class TEtikettgestaltung : public AppWindow {
    Q_OBJECT
public:
    explicit TEtikettgestaltung(AppContext &context);

    // The design as the controls hold it now; the label report reads it when it prints.
    LabelDesign design() const;

    void FormActivate();
    void SpinEdit1Change();
    void fieldChoiceChanged(int field); // ComboBox1Change ... ComboBox8Change
    void BitBtn3Click(); // "Schrift 1. Zeile"
    void BitBtn4Click(); // "Schrift 2. - 4. Zeile"
    void BitBtn5Click(); // "Etikettenentwurf speichern"
    void BitBtn7Click(); // "Etikettenentwurf laden"
    void ComboBox9Change();
    void BitBtn6Click(); // "Etikettenentwurf löschen"
    void ComboBox10Select();
    void FormKeyDown(int key);
    void BitBtn1Click(); // "Drucken"
    void BitBtn2Click(); // "Abbruch"

    // One print field: its box and marker, and its label and marker in the preview.
    struct Field {
        QComboBox *box;
        QLabel *marker;
        QLabel *preview;
        QLabel *previewMarker;
    };
    const Field &field(int index) const { return m_fields[size_t(index)]; }

    QSpinBox *SpinEdit1; // strip height in mm
    QFrame *Shape1;      // the preview strip
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6, *BitBtn7;
    QComboBox *ComboBox9;  // designs to load
    QComboBox *ComboBox10; // designs to delete
    QSpinBox *SpinEdit2;   // the strip to begin with
    QCheckBox *CheckBox1;  // QR code

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setLineFont(int line, const QFont &font, const QColor &colour);
    void fillNames(QComboBox *list);
    std::array<Field, LabelDesign::kFields> m_fields;
};

} // namespace vindel
