#ifndef V2_UndoLayerCommandsH
#define V2_UndoLayerCommandsH

// Undo commands of the layer list, created by the main window: add a layer or a whole construction left or right
// of the selected layer, remove, move, replace the material, change the colour. Layer index i is 0-based; the
// layer table shows layer i in column i + 1 (column 0 is the warm-side climate). Every change of the list
// recalculates (AllModified); the colour only refreshes (LayerAppearanceModified).

#include "V2_UndoCommandBase.h"

#include <model/Construction.h>

#include <QColor>
#include <QCoreApplication>

/*! Inserts a copy of a layer left (at i) or right (at i + 1) of layer i. */
class V2_UndoAddLayer : public V2_UndoTableViewBase {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddLayer)
public:
    void redo() override;
    void undo() override;

protected:
    V2_UndoAddLayer(Project &project, const QString &text, QTableWidget *table, int index, bool right,
                    const MaterialLayer &layer);

private:
    int m_index;
    bool m_right;
    MaterialLayer m_layer;
};

class V2_UndoAddLayerLeft : public V2_UndoAddLayer {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddLayerLeft)
public:
    V2_UndoAddLayerLeft(Project &project, QTableWidget *table, int index, const MaterialLayer &layer);
};

class V2_UndoAddLayerRight : public V2_UndoAddLayer {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddLayerRight)
public:
    V2_UndoAddLayerRight(Project &project, QTableWidget *table, int index, const MaterialLayer &layer);
};

/*! Inserts all layers of a database construction, in their order, left (at i) or right (at i + 1) of layer i. */
class V2_UndoAddConstruction : public V2_UndoTableViewBase {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddConstruction)
public:
    void redo() override;
    void undo() override;

protected:
    V2_UndoAddConstruction(Project &project, const QString &text, QTableWidget *table, int index, bool right,
                           const Construction &construction);

private:
    int m_index;
    bool m_right;
    Construction m_construction;
};

class V2_UndoAddConstructionLeft : public V2_UndoAddConstruction {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddConstructionLeft)
public:
    V2_UndoAddConstructionLeft(Project &project, QTableWidget *table, int index, const Construction &construction);
};

class V2_UndoAddConstructionRight : public V2_UndoAddConstruction {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAddConstructionRight)
public:
    V2_UndoAddConstructionRight(Project &project, QTableWidget *table, int index, const Construction &construction);
};

/*! Removes layer i; keeps a full copy to put it back. */
class V2_UndoRemoveLayer : public V2_UndoTableViewBase {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoRemoveLayer)
public:
    V2_UndoRemoveLayer(Project &project, QTableWidget *table, int index);
    void redo() override;
    void undo() override;

private:
    int m_index;
    /*! Layer i existed when the command was made. */
    bool m_valid;
    MaterialLayer m_layer;
};

/*! Swaps layer i with its left (i - 1) or right (i + 1) neighbour, material and width together. */
class V2_UndoMoveLayer : public V2_UndoTableViewBase {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoMoveLayer)
public:
    void redo() override;
    void undo() override;

protected:
    V2_UndoMoveLayer(Project &project, const QString &text, QTableWidget *table, int index, bool right);

private:
    /*! Swaps the pair and selects \a column. */
    void swap(int column);

    int m_index;
    bool m_right;
};

class V2_UndoMoveLayerLeft : public V2_UndoMoveLayer {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoMoveLayerLeft)
public:
    V2_UndoMoveLayerLeft(Project &project, QTableWidget *table, int index);
};

class V2_UndoMoveLayerRight : public V2_UndoMoveLayer {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoMoveLayerRight)
public:
    V2_UndoMoveLayerRight(Project &project, QTableWidget *table, int index);
};

/*! Replaces the material of layer i; the layer keeps its width unless the new material fixes it by an sd-value.
    Undo restores the old material and the width recorded at redo. */
class V2_UndoChangeMaterial : public V2_UndoTableViewBase {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoChangeMaterial)
public:
    V2_UndoChangeMaterial(Project &project, QTableWidget *table, int index, const Material &material);
    void redo() override;
    void undo() override;

private:
    /*! Exchanges the layer's material with the stored one and lets the layer recompute an sd-fixed width. */
    void exchangeMaterial(MaterialLayer &layer);

    int m_index;
    Material m_material;
    /*! Width of the layer before redo, m. */
    double m_width = 0;
};

/*! Exchanges the colour of layer i. */
class V2_UndoLayerColor : public V2_UndoExchange<V2_UndoTableViewBase> {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoLayerColor)
public:
    V2_UndoLayerColor(Project &project, QTableWidget *table, int index, const QColor &color);

protected:
    void exchange() override;

private:
    int m_index;
    QColor m_color;
};

#endif // V2_UndoLayerCommandsH
