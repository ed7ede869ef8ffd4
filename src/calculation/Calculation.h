#ifndef CalculationH
#define CalculationH

// The calculation engine: turns the layer sequence, the climates and the periods of a project
// into the results record. calculate() runs the Glaser scheme of DIN 4108-3 first and then the
// three passes of the moisture-dependent method. It never throws: failures end in a result code
// plus messages (HTML, with "layer-N" links counting layers from 1).
//
// Used by Project::setModified after every calculation-relevant edit, and by the command-line tool.

#include "CalculationResults.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

class InputData;

class Calculation {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    /*! Runs the whole calculation for \a input with the project's heat flow direction
        (0 upwards, 1 downwards, 2 horizontal) and returns the final resultCode. */
    int calculate(const InputData &input, int heatFlowDirection);

    /*! The published results of the last calculate(). */
    const CalculationResults &results() const { return m_results; }

    /*! Interface temperatures of a layer sequence with thermal resistances R (m2K/W):
        T[k] = T_i - (R_si + sum_{j<k} R_j) * q with q = (T_i - T_e) / R_tot; T gets n+1 entries. */
    static void temperature_field(const std::vector<double> &R, double R_si, double R_se, double T_i, double T_e,
                                  std::vector<double> &T);

    /*! Straight-line vapour pressures (Pa) through layers with diffusion resistances Z
        (m2 s Pa/kg), boundary pressures by the power-form saturation pressure. Throws
        ZOT::Exception when the total resistance is 0. */
    static void vapor_field(std::vector<double> &p, const std::vector<double> &Z, double T_i, double rh_i, double T_e,
                            double rh_e);

private:
    /*! Glaser step (steady-state diffusion, condensation in planes); returns glaserResultCode. */
    int glaser(const InputData &input, int heatFlowDirection);

    /*! The three passes of the moisture-dependent method, run after a Glaser step that returned
        2 or more; sets and returns resultCode. */
    int moistureDependentCalculation(const InputData &input, int heatFlowDirection);

    /*! Copies the working messages into the results: done at every exit of calculate(). */
    void publishMessages() { m_results.messages = m_messages; }

    /*! Messages of the calculation that is running. */
    QStringList m_messages;
    /*! The published results. */
    CalculationResults m_results;
};

#endif // CalculationH
