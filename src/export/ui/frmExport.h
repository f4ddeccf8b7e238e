#pragma once
// "Exporter dans une image": the selected tab of the active project window saved as
// a BMP, JPEG, GIF, PNG or TIFF picture, with a quality for JPEG, at the screen's
// resolution or a finer one; or as a PDF or SVG page. The dialog stays open after an
// export, so several files can be written in a row.

#include <QDialog>
#include <QImage>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace plk {

class HeaderPlus;
class MainWindowServices;

class frmExport : public QDialog {
    Q_OBJECT

public:
    explicit frmExport(MainWindowServices& menu);

    /// The save dialog's filter for a format of the list; empty outside 0..6.
    static QString filterFor(int index);

    /// Asks for a file name and writes the selected tab's picture in it. Cancelling the
    /// save dialog or an empty name ends it without a message.
    void Export(int format);

    HeaderPlus* header() const { return m_header; }
    QComboBox* Combo1() const { return m_combo; }
    QSlider* Slider1() const { return m_slider; }
    QLabel* qualityLabel() const { return m_qualityLabel; }
    /// The resolutions of the exported picture, the screen's first.
    QComboBox* resolutionList() const { return m_resolution; }
    QPushButton* Bouton1(int index) const { return m_buttons.at(std::size_t(index)); }
    /// The picture of the last export (of a picture format).
    const QImage& pctProjet() const { return m_picture; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void formatChanged(int index);
    void sliderMoved(int position);
    void GDI_Plus_Error(int lGdiError, const QString& sErrorDesc);

    MainWindowServices& m_menu;
    HeaderPlus* m_header;
    QComboBox* m_combo;
    QLabel* m_qualityLabel;
    QSlider* m_slider;
    QComboBox* m_resolution;
    std::array<QPushButton*, 3> m_buttons{};
    QImage m_picture;
};

}  // namespace plk
