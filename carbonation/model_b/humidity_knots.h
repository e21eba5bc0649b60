// The humidity factor curve: 24 knots over relative humidity in percent.
//
// y2 holds the second derivatives of the natural cubic spline through the
// (x, y) points (zero at both ends), stored once and used as they stand: a
// recomputation at run time would differ from about the twelfth digit and
// move results by their last bits.
#ifndef CARBONATION_HUMIDITY_KNOTS_H
#define CARBONATION_HUMIDITY_KNOTS_H

namespace dur::carbonation::model_b {

struct HumidityKnots {
    double x[24];   // relative humidity, %
    double y[24];   // factor
    double y2[24];  // second derivative, 1/%^2
};

// Stored by column, since the evaluator takes three arrays.
inline constexpr HumidityKnots humidity_knots = {
    {    6.26,    10.67,    17.91,    25.91,    33.48,    37.82,    41.95,    45.42,
        48.21,    49.82,    52.06,    55.08,    61.66,    68.16,    74.49,  80.6043,
       85.502,   89.562,     92.7,     95.7,    96.83,  97.7541,     98.9,    100.0},
    {     0.0,   0.0231,   0.0641,   0.1174,   0.1806,    0.226,   0.2866, 0.334266,
       0.3804,  0.40146,  0.41766,   0.4286, 0.445266,   0.4606, 0.472933, 0.4812666,
     0.485718,   0.4626, 0.373533,    0.127,  0.05133, 0.0172068, 0.0049381,    0.0},
    {
        0.0,
        7.57181438684764e-05,
        0.000108438725383876,
        0.000267960967025686,
        0.000119637511381769,
        0.00179591627640927,
        -0.00137246599520544,
        0.0022551021692341,
        -0.00239358977470549,
        -0.00369973677693914,
        -0.00122766169068081,
        -0.000150776966491036,
        9.77465213643619e-06,
        -4.70909858828931e-05,
        -0.000208466775075582,
        0.000322898352073323,
        -0.00174805398531533,
        -0.0024340291818071,
        -0.0299548361705573,
        0.017532581202287,
        0.0321449355409832,
        0.0306922700274246,
        0.000475148900899099,
        0.0,
    },
};

inline constexpr int humidity_knot_count = 24;

}  // namespace dur::carbonation::model_b

#endif
