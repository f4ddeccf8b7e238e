#include "document/core/ProjectJson.h"

#include <QJsonArray>

namespace plk {

namespace {

QJsonObject labelJson(int slot, const TextObject& o)
{
    return {{"slot", slot},
            {"visible", o.Visible},
            {"Caption", o.Caption},
            {"Top", double(o.Top)},
            {"Left", double(o.Left)},
            {"FontName", o.FontName},
            {"FontSize", double(o.FontSize)},
            {"FontBold", o.FontBold},
            {"FontItalic", o.FontItalic},
            {"FontUnderline", o.FontUnderline},
            {"FontStrikethru", o.FontStrikethru},
            {"ForeColor", qint64(o.ForeColor)}};
}

QJsonObject logoJson(int slot, const LogoObject& o)
{
    return {{"slot", slot},
            {"visible", o.Visible},
            {"Tag", o.Tag},
            {"Top", double(o.Top)},
            {"Left", double(o.Left)},
            {"Width", double(o.Width)},
            {"Height", double(o.Height)}};
}

QJsonObject codeJson(int slot, const CodeObject& o)
{
    return {{"slot", slot},
            {"visible", o.Visible},
            {"Kind", barcodeKindName(o.Kind)},
            {"Data", o.Data},
            {"Top", o.Top},
            {"Left", o.Left},
            {"Width", o.Width},
            {"Height", o.Height},
            {"ForeColor", qint64(o.ForeColor)},
            {"ShowText", o.ShowText}};
}

QJsonObject printJson(const PrintSettings& p)
{
    QJsonObject json{{"ImpDefaut", p.ImpDefaut}, {"ImpMargeG", p.ImpMargeG}, {"ImpMargeH", p.ImpMargeH},
                     {"ImpResol", p.ImpResol},   {"ImpNbrP", p.ImpNbrP},     {"ImpPosX", p.ImpPosX},
                     {"ImpPosY", p.ImpPosY},     {"ImpSepH", p.ImpSepH},     {"ImpSepV", p.ImpSepV},
                     {"ImpNbrH", p.ImpNbrH},     {"ImpNbrV", p.ImpNbrV}};
    const auto place = [](const SheetGrid& g) {
        return QJsonObject{{"left", g.left}, {"top", g.top}, {"pitchAcross", g.pitchAcross}, {"pitchDown", g.pitchDown}};
    };
    if (const auto& g = p.sheetGrid)
        json.insert("sheetGrid", place(*g));
    if (!p.grids.empty()) {
        QJsonArray grids;
        for (const LabelGrid& g : p.grids) {
            QJsonObject grid = place(g.place);
            grid.insert("across", g.across);
            grid.insert("down", g.down);
            grids.append(grid);
        }
        json.insert("grids", grids);
    }
    if (const auto& paper = p.paper)
        json.insert("paper", QJsonObject{{"name", paper->name},
                                         {"width", paper->width},
                                         {"height", paper->height},
                                         {"landscape", paper->landscape}});
    return json;
}

QJsonObject tabJson(const QString& caption, const Etiquette& t)
{
    QJsonArray labels, logos, codes;
    for (int i = 1; i <= t.IDlabel() && i <= t.labelCount(); ++i)
        labels.append(labelJson(i, t.label(i)));
    for (int i = 1; i <= t.IDlogo() && i <= t.logoCount(); ++i)
        logos.append(logoJson(i, t.logo(i)));
    for (int i = 1; i <= t.codeCount(); ++i)
        codes.append(codeJson(i, t.code(i)));
    QJsonObject json{{"caption", caption},
                     {"NameProjet", t.NameProjet()},
                     {"prjWidth", t.prjWidth()},
                     {"prjHeight", t.prjHeight()},
                     {"BackColor", qint64(t.BackColor())},
                     {"BorderColor", qint64(t.BorderColor())},
                     {"DrawStyle", t.DrawStyle()},
                     {"Bordure", t.Bordure()},
                     {"Cadenas", t.Cadenas()},
                     {"DepRegle", t.DepRegle()},
                     {"CD_Disque", t.CD_Disque()},
                     {"CD_Pochette", t.CD_Pochette()},
                     {"TypeFond", t.TypeFond()},
                     {"Chemin_Image", t.Chemin_Image()},
                     {"gradAngle", t.gradAngle()},
                     {"gradColor1", qint64(t.gradColor1())},
                     {"gradColor2", qint64(t.gradColor2())},
                     {"gradColor3", qint64(t.gradColor3())},
                     {"IDlabel", t.IDlabel()},
                     {"IDlogo", t.IDlogo()},
                     {"labels", labels},
                     {"logos", logos},
                     {"codes", codes},
                     {"print", printJson(t.print())}};
    if (const MergeSettings& m = t.mergeSettings(); m.active())
        json.insert("merge", QJsonObject{{"dataFile", m.dataFile}, {"firstLabel", m.firstLabel}});
    return json;
}

}  // namespace

QJsonObject projectToJson(const Project& project)
{
    QJsonArray tabs;
    for (int i = 1; i <= project.tabCount(); ++i)
        tabs.append(tabJson(project.tabCaption(i), project.tab(i)));
    return {{"tabs", tabs}};
}

}  // namespace plk
