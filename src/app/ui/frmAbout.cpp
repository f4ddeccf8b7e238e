#include "app/ui/frmAbout.h"

#include "base/core/Version.h"
#include "widgets/ui/BarreXP.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ReadingOrder.h"
#include "windows/ui/MainWindowServices.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace plk {

frmAbout::frmAbout(MainWindowServices& menu)
    : QDialog(menu.mainWidget()), m_menu(menu), m_product(new QLabel(this)), m_version(new QLabel(this)), m_notice(new QLabel(this))
{
    setWindowTitle(QStringLiteral("A propos de..."));
    setModal(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/plakatorium.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    QFont big = font();
    big.setPointSize(16);
    big.setBold(true);
    m_product->setFont(big);
    m_product->setAlignment(Qt::AlignCenter);
    m_version->setAlignment(Qt::AlignCenter);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    auto* hint = new QLabel(QStringLiteral("Créateur d'étiquettes et de cartes de visite"), this);
    hint->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(m_product);
    layout->addWidget(m_version);
    layout->addWidget(hint);
    layout->addWidget(new Line3D(this));
    layout->addWidget(m_notice);
    setFixedWidth(360);
    ReadingOrder::follow(this);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QRect main = m_menu.mainWidget()->geometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
    // It may have been opened from a task-pane item, whose hover would stay lit.
    if (auto* pane = qobject_cast<BarreXP*>(m_menu.taskPane()))
        pane->Mouse_Up();
    m_product->setText(kProductName);
    m_version->setText(QStringLiteral("v ") + kVersion);
    m_notice->setText(kLegalNotice);
}

void frmAbout::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace plk
