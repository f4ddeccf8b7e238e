#pragma once
// "Préférences du logiciel": the five options, each taking effect as soon as its box
// changes; Ok keeps them, Annuler puts back the stored ones.

#include <QDialog>
#include <array>

class QCheckBox;

namespace plk {

class MainWindowServices;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    explicit frmOptions(MainWindowServices& menu);

    /// The settings' "OPTIONS" section: save (-1) from the boxes or load (0) into them.
    void SaveLoadOptions(int mode);
    QCheckBox* Check1(int index) const { return m_boxes.at(std::size_t(index)); }

    void ok();
    void cancel();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override { cancel(); }

private:
    void boxChanged(int index, bool ticked);

    MainWindowServices& m_menu;
    std::array<QCheckBox*, 5> m_boxes{};
};

}  // namespace plk
