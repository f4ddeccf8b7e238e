#include "import/core/GlabelsProduct.h"

#include "catalogue/core/Catalogue.h"

namespace plk {

namespace {

void takeProduct(GlabelsTemplate& t, const Product& p)
{
    using Shape = GlabelsTemplate::Shape;
    static const QString kElements[] = {QStringLiteral("Label-rectangle"), QStringLiteral("Label-round"),
                                        QStringLiteral("Label-ellipse"), QStringLiteral("Label-cd"),
                                        QStringLiteral("Label-continuous")};
    // A roll's label is a rectangle on a page of its own size.
    static const Shape kShapes[] = {Shape::Rectangle, Shape::Round, Shape::Ellipse, Shape::Cd, Shape::Rectangle};
    const auto shape = std::size_t(p.label.shape);
    t.shape = kShapes[shape];
    t.shapeName = kElements[shape];
    t.width = p.label.size.width();
    t.height = p.label.size.height();
    t.cornerRadius = p.label.cornerRadius;
    t.holeRadius = p.label.holeRadius;
    t.layouts = p.layouts;
    t.paper = p.paper;
    t.paperWidth = p.paperSize.width();
    t.paperHeight = p.paperSize.height();
}

}  // namespace

QString completeFromCatalogue(GlabelsTemplate& t, const Catalogue* catalogue)
{
    const QString name = QStringLiteral("%1 %2").arg(t.brand, t.part).simplified();
    if (!t.described()) {
        const Product* product = catalogue ? catalogue->find(name) : nullptr;
        if (!product)
            return QStringLiteral("le modèle « %1 » ne décrit pas l'étiquette et n'est pas au catalogue des produits")
                .arg(name);
        takeProduct(t, *product);
    }
    if (t.paperWidth <= 0 && catalogue) {
        if (const PaperSize* paper = catalogue->paper(t.paper)) {
            t.paperWidth = paper->size.width();
            t.paperHeight = paper->size.height();
        }
    }
    return QString();
}

}  // namespace plk
