#ifndef MaterialLayerH
#define MaterialLayerH

// One layer of a construction: a full copy of its material plus the width in metres. Used by the layer list
// of the input data, the construction database and the calculation.
//
// Naming of the physical values: on a layer, lambda(direction) and mu() return the values the calculation
// uses (air spaces depend on width and heat flow direction). They deliberately hide Material::lambda() and
// Material::mu(); the raw material values stay reachable through material().lambda() and material().mu().

#include "Material.h"

#include <QCoreApplication>

enum class InputStatus;

class MaterialLayer : public Material {
    Q_DECLARE_TR_FUNCTIONS(MaterialLayer)
public:
    /*! Width unit factors from metres, as chosen by the user. */
    enum WidthUnit { Metre = 1, Decimetre = 10, Centimetre = 100, Millimetre = 1000 };

    MaterialLayer() = default;
    /*! Copies the material (its shown texts only) and sets the width in m; a product sd-value then fixes the
        width. */
    MaterialLayer(const Material &material, double width);

    /*! The layer's material copy. */
    const Material &material() const { return *this; }
    Material &material() { return *this; }

    /*! Width multiplied by the unit factor (1, 10, 100, 1000); any other factor gives metres. */
    double width(int unit = Metre) const;
    /*! Stores value / unit factor in m (any other factor: metres). Ignored when the material has an sd-value,
        since then the width follows from it. */
    void setWidth(double value, int unit = Metre);
    /*! If the material has an sd-value, width = sd_value / effectiveMu(width). Call after the material or its
        parameters were changed. */
    void updateWidthFromSd();

    /*! Thermal conductivity in W/(m K) for the layer width and heat flow direction. */
    double lambda(HeatFlowDirection heatFlowDirection) const { return effectiveLambda(m_width, heatFlowDirection); }
    /*! Vapour diffusion resistance factor for the layer width. */
    double mu() const { return effectiveMu(m_width); }

    /*! Same material and width (metres, exactly). */
    bool operator==(const MaterialLayer &other) const {
        return m_width == other.m_width && material() == other.material();
    }
    bool operator!=(const MaterialLayer &other) const { return !(*this == other); }

    /*! Reads the "Layer" element the reader stands on: "d" (kept as stored, also for a material with an
        sd-value), "index" (missing: 0) and the "Material" child; other children are skipped. Returns the input
        status the layer causes: Valid, InvalidWidth for a width <= 0, InvalidMaterial for a material that could
        not be read. */
    InputStatus readLayerXML(QXmlStreamReader &reader, int &index);
    /*! Writes a "Layer" element with the attributes "index" and "d" and the "Material" child. */
    void writeLayerXML(QXmlStreamWriter &writer, int index) const;
    /*! Reads one "LAYER_DEFINITION" block of a legacy project file ("Width", "Colour" and the material block)
        up to and including its "}". False with the error text at the first error. */
    bool readOld(std::istream &in, const QString &version, QString &errorText);

    /*! Writes version 4, the width and the material record. */
    void writeBinary(QDataStream &out) const;
    /*! Reads version, width and material record (material id 65536); true when the stream status is Ok. */
    bool readBinary(QDataStream &in);

private:
    double m_width = 0;
};

#endif // MaterialLayerH
