#pragma once
// "A propos de...": the program's name, version and legal notice; a click closes it.

#include <QDialog>

class QLabel;

namespace plk {

class MainWindowServices;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(MainWindowServices& menu);

    QLabel* productLabel() const { return m_product; }
    QLabel* versionLabel() const { return m_version; }
    QLabel* Label4() const { return m_notice; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MainWindowServices& m_menu;
    QLabel* m_product;
    QLabel* m_version;
    QLabel* m_notice;
};

}  // namespace plk
