#include "TransientMesh.h"

#include <algorithm>
#include <cmath>

namespace {

/*! Widths of a run that starts with `first` and grows by `stretch` up to `largest`, long enough to cover
    `length`; the widths are scaled so that they sum up to exactly `length`. */
std::vector<double> gradedRun(double length, double first, double stretch, double largest) {
    std::vector<double> widths;
    double sum = 0;
    double width = std::min(first, largest);
    while (sum + 1e-12 < length) {
        widths.push_back(width);
        sum += width;
        width = std::min(width * stretch, largest);
    }
    // Merge a tiny last cell into its neighbour rather than keep a sliver.
    if (widths.size() > 1 && sum - length > 0.5 * widths.back()) {
        sum -= widths.back();
        widths.pop_back();
    }
    for (double &w : widths)
        w *= length / sum;
    return widths;
}

} // namespace

TransientMesh TransientMesh::graded(const std::vector<double> &layerWidths, const MeshOptions &options) {
    TransientMesh mesh;
    for (size_t j = 0; j < layerWidths.size(); ++j)
        mesh.appendLayer(layerWidths[j], static_cast<int>(j), options);
    double x = 0;
    for (TransientCell &cell : mesh.m_cells) {
        cell.centre = x + cell.width / 2;
        x += cell.width;
    }
    return mesh;
}

void TransientMesh::appendLayer(double width, int layer, const MeshOptions &options) {
    const double refinement = std::max(options.refinement, 1e-3);
    const double first = options.finest / refinement;
    const double stretch = std::pow(std::max(options.stretch, 1.0), 1 / refinement);
    const double largest = std::max(first, width * options.coarsestFraction / refinement);
    std::vector<double> widths;
    if (options.oneSided) {
        widths = gradedRun(width, first, stretch, largest);
    }
    else {
        widths = gradedRun(width / 2, first, stretch, largest);
        const size_t half = widths.size();
        for (size_t i = half; i-- > 0;)
            widths.push_back(widths[i]);
    }
    for (double w : widths)
        m_cells.push_back({w, 0, layer});
}

int TransientMesh::cellAt(double x) const {
    double right = 0;
    for (int i = 0; i < size(); ++i) {
        right += m_cells[i].width;
        if (x < right)
            return i;
    }
    return size() - 1;
}

double TransientMesh::interpolate(const std::vector<double> &cellValues, double x) const {
    if (x <= m_cells.front().centre)
        return cellValues.front();
    for (int i = 0; i + 1 < size(); ++i) {
        const double x0 = m_cells[i].centre;
        const double x1 = m_cells[i + 1].centre;
        if (x <= x1)
            return cellValues[i] + (cellValues[i + 1] - cellValues[i]) * (x - x0) / (x1 - x0);
    }
    return cellValues.back();
}
