#ifndef EditorTestSupportH
#define EditorTestSupportH

// Helpers of the editor tests: a project with a plain layer, a foil given by its sd-value and an air space;
// typing into a field as a user does; and the comparison of complete input data (layers, climates, periods).

#include <ui/V2_UndoClimateCommands.h>

#include <model/Project.h>

#include <QLineEdit>
#include <QtTest>

namespace EditorTest {

inline Material plainMaterial() {
    Material m("Brick", Material::BuildingBrick, "", "", "", "", 1800, 0.81, 10, 0.02, 0.3, 0.005, 7);
    m.setColor(QColor(200, 120, 80));
    return m;
}

inline Material foilMaterial() {
    Material m("Vapour barrier", Material::FoilsAndWaterproofing, "", "", "", "", 900, 0.2, 20000, 0.001, 0.01, 0, 8);
    m.setFlags(false, false, false, true);
    m.setSd_value(20);
    m.setColor(QColor(20, 20, 20));
    return m;
}

inline Material airMaterial() {
    Material m("Air space", Material::Miscellaneous, "", "", "", "", 1.2, 0.1, 1, 0.001, 0.01, 0, 9);
    m.setFlags(true, false, false, false);
    m.setColor(QColor(240, 240, 255));
    return m;
}

/*! Layers: plain 0.1 m, foil (width from sd), air 0.02 m. Calculated once. */
inline void createProject(Project &project) {
    project.createNew();
    QVector<MaterialLayer> &layers = project.document()->inputData().layers();
    layers.append(MaterialLayer(plainMaterial(), 0.1));
    layers.append(MaterialLayer(foilMaterial(), 0.001));
    layers.append(MaterialLayer(airMaterial(), 0.02));
    project.setModified(Project::ModificationType::AllModified);
}

/*! Replaces the field's text by typing and finishes the edit with Return. */
inline void type(QLineEdit *field, const QString &text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace EditorTest

#endif // EditorTestSupportH
