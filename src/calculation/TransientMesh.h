#ifndef TransientMeshH
#define TransientMeshH

// Finite-volume mesh of the transient simulation: cells across the construction from the interior surface
// (x = 0) outwards, each in one layer. Cells are fine at the surfaces and at every layer interface and grow
// geometrically towards the middle of a layer.

#include <vector>

struct TransientCell {
    /*! Width of the cell, m. */
    double width = 0;
    /*! Position of the cell centre from the interior surface, m. */
    double centre = 0;
    /*! Index of the layer (0 = interior side). */
    int layer = 0;
};

/*! Grading of the mesh. */
struct MeshOptions {
    /*! Width of the cells at surfaces and interfaces, m. */
    double finest = 1e-3;
    /*! Growth factor from one cell to the next. */
    double stretch = 1.3;
    /*! Largest cell, as a fraction of the layer width. */
    double coarsestFraction = 0.1;
    /*! Refinement: divides the finest and coarsest cells and takes the stretch to the power 1/refinement. */
    double refinement = 1;
    /*! Only the interior surface (x = 0) is fine; used for the semi-infinite slab. */
    bool oneSided = false;
};

class TransientMesh {
public:
    /*! Mesh over layers of the given widths (m, interior side first). */
    static TransientMesh graded(const std::vector<double> &layerWidths, const MeshOptions &options);

    const std::vector<TransientCell> &cells() const { return m_cells; }
    int size() const { return static_cast<int>(m_cells.size()); }
    /*! Index of the cell that contains position x (m); the last cell for x beyond the construction. */
    int cellAt(double x) const;
    /*! Value at position x (m), linear between the cell centres and constant beyond the outer centres. */
    double interpolate(const std::vector<double> &cellValues, double x) const;

private:
    void appendLayer(double width, int layer, const MeshOptions &options);
    std::vector<TransientCell> m_cells;
};

#endif // TransientMeshH
