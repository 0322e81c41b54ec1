#include "titolo_naso_bocca.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_tratti.h"
#include "titolo_volto.h"

#include <QPointF>

#include <cmath>
#include <vector>

namespace titolo {

void IncidiNaso(Lastra &lastra)
{
    // The bridge's shaded edge: one line from halfway down the bridge, well
    // clear of the brows, to the wing, coming out of nothing where the
    // bridge catches the light and swelling to two pixels as the side turns
    // from the light above the wing. It keeps to one column of pixels down
    // the bridge, so it runs straight and unkinked.
    const std::vector<QPointF> ponte{
        {2.1, kOcchiY + 5}, {2.2, kOcchiY + 8}, {2.2, kOcchiY + 11}, {2.7, kOcchiY + 13.8}};
    lastra.Solco([&](double t) { return Curva(ponte, t); },
                 [](double t) {
                     const double sotto = std::pow(Passaggio(0.0, 0.75, t), 1.2);
                     return (0.05 + 0.95 * sotto) * std::min(1.0, 5 * (1 - t) + 0.4);
                 });
    // The flank beyond it turned from the light: a second, finer line two
    // pixels out along the lower bridge, coming in and going out with the
    // shade, so the nose has a shaded side and not only an edge.
    lastra.Solco(
        [](double t) {
            const double y = kOcchiY + 8 + 5.5 * t;
            return QPointF(2.2 + 2.0 / kIngrandimento + 0.35 * (y - kOcchiY - 8), y);
        },
        [](double t) { return 0.55 * Fuso(t, 0.7); });
    // Above it, the nose's root springing from the shaded brow: a fine
    // curve from under the brow's inner end down beside the bridge, fading
    // out before the bridge's own line comes in, so the nose grows out of
    // the brow and the socket instead of standing on the face as a sign.
    lastra.Solco([](double t) { return QPointF(4.3 - 1.9 * t - 0.5 * std::sin(M_PI * t), kOcchiY - 4.6 + 7.6 * t); },
                 [](double t) { return 0.35 * (1 - Passaggio(0.4, 1.0, t)) * std::min(1.0, 5 * t); });
    // The wing's crease round from the flank to the cheek and in under the
    // wing to the nostril, so each wing stands as a round form: on the shaded
    // side firm and swelling to two pixels where it turns under, on the lit
    // one a pale arc, unbroken to its ends, so the nose's foot does not
    // print as a row of dots.
    for (double lato : {-1.0, 1.0})
        lastra.Solco(
            [lato](double t) {
                const double a = (-60 + 150 * t) * M_PI / 180;
                return QPointF(lato * (4.0 + 2.3 * std::cos(a)), kOcchiY + 15.2 + 2.1 * std::sin(a));
            },
            [lato](double t) {
                return lato > 0 ? (0.7 + 0.8 * Passaggio(0.2, 0.6, t)) * std::min(1.0, 4 * (1 - t) + 0.2)
                                : 0.6 * std::min(1.0, 4 * Fuso(t, 0.6));
            });
    // The nose's shadow on the upper lip, cast down and away from the light:
    // one short line under its foot on the shaded side, a row of paper
    // between it and the nostril.
    lastra.Solco([](double t) { return QPointF(0.8 + 4.0 * t, kOcchiY + 19.0 - 0.5 * t); },
                 [](double t) { return 0.7 * std::min(1.0, 3 * Fuso(t, 0.6)); });
    // The tip's underside: a curve from the foot of the bridge's line round
    // under the tip to the lit nostril, fining as it goes into the light, so
    // the nose ends in one form and the lit wing is not left floating free.
    lastra.Solco(
        [](double t) {
            const double a = (-10 + 155 * t) * M_PI / 180;
            return QPointF(0.3 + 2.4 * std::cos(a), kOcchiY + 14.7 + 2.1 * std::sin(a));
        },
        [](double t) { return (0.9 - 0.5 * t) * std::min(1.0, 3 * (1 - t) + 0.5); });
    // The nostrils: the one on the shaded side a dark comma, its head two
    // pixels where the opening is deepest and tapering out under the wing;
    // the lit one a pale tick.
    for (double lato : {-1.0, 1.0})
        lastra.Solco([lato](double t) { return QPointF(lato * (1.6 + 2.3 * t), kOcchiY + 17.0 - 1.1 * t * t); },
                     [lato](double t) {
                         return lato > 0 ? 1.7 * std::pow(1 - t, 0.8) * std::min(1.0, 4 * t + 0.5)
                                         : 0.7 * std::min(1.0, 3 * Fuso(t, 0.5));
                     });
}

void IncidiBocca(Lastra &lastra)
{
    // The parting of the lips, nearly as wide as the pupils are apart: one
    // firm line, darkest at the middle, firming again a little at each
    // corner where the lips fold in and only then tapering out, one line
    // with no pocket to break off as a separate dash; dipping a little under
    // the bow of the upper lip and lifting a little into the corners, so the
    // mouth is calm and not set, a little heavier on the shaded side.
    constexpr double mezza = 9.4;
    lastra.Solco(
        [](double t) {
            const double x = mezza * (2 * t - 1), u = std::abs(x) / mezza;
            return QPointF(x, kBoccaY + 0.3 * std::exp(-std::pow(x / 2.4, 2)) - 0.75 * Passaggio(0.55, 1, u));
        },
        [](double t) {
            const double u = std::abs(2 * t - 1);
            const double angolo = 0.35 * std::exp(-std::pow((u - 0.9) / 0.05, 2)); // the corner's small pocket
            const double peso = 1.3 - 0.8 * std::pow(u, 1.5) + angolo;
            return (t > 0.5 ? 1.0 : 0.9) * std::min(1.0, peso) * (1 - Passaggio(0.95, 1, u));
        });
    // The shadow under the lower lip: one crescent a lip's height under the
    // parting, bowed round the lip's fullness and lifting into its ends,
    // deepest to the side away from the light, the lip's light left above.
    lastra.Solco(
        [](double t) {
            const double x = -4.8 + 10.6 * t, u = (x - 0.6) / 5.2;
            return QPointF(x, kBoccaY + 4.2 - 1.1 * u * u);
        },
        [](double t) { return std::min(0.95, 0.3 + 0.8 * t) * std::min(1.0, 2.2 * Fuso(t, 0.6)); });
}

} // namespace titolo
