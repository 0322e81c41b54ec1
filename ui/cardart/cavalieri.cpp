// The four horsemen: how each rides, holds his suit and is dressed.
#include "cavalieri.h"

#include "pennelli.h"
#include "stampa.h"

namespace belvane::cardart::cavalieri {

namespace {

// Bridles and reins of brown leather: red straps on a pale head read as
// wounds at the natural size.
const QColor kBriglia(0x6A, 0x44, 0x26);
// On the white horse a lighter tan: dark straps there broke its face into
// patches.
const QColor kBrigliaChiara(0xB0, 0x84, 0x50);

} // namespace

Tinta Tono(QColor luce, QColor corpo, QColor ombra) { return {luce, corpo, ombra}; }
Tinta Tono(const QColor &c) { return {c.lighter(125), c, c.darker(145)}; }
QColor Smorza(const QColor &c)
{
    float h, s, v, a;
    c.getHsvF(&h, &s, &v, &a);
    return QColor::fromHsvF(h, s * 0.82f, v * 0.96f, a);
}

Cavaliere Di(Seme seme)
{
    // One horse for the four, each in its own light coat, set so that no
    // two read alike at the natural size: a golden dun with a dark brown
    // mane, a cream with a flaxen one, a rose roan with a chestnut one
    // (see below), a white with a dark slate one, and its shade
    // deeper: with a light mane it stood off the white card by its outline
    // alone.
    // The dun deeper and the cream paler than they were: side by side, both
    // tan and both facing left, the two were taken for each other.
    const Tinta dun = Tono(QColor(0xE0, 0xAE, 0x6A), QColor(0xC4, 0x8A, 0x46), QColor(0x8C, 0x5C, 0x28));
    const Tinta criniScuri = Tono(QColor(0x6A, 0x40, 0x20), QColor(0x44, 0x28, 0x12), QColor(0x2C, 0x18, 0x0A));
    // The cream and the white a shade deeper than paper: as light as the
    // card, they left the rider on an empty outline at the natural size
    // (the cream, a shade paler still, was read as the faintest figure).
    // At the natural size both a shade deeper again, the white a pale grey,
    // and more widely shaded (Finimenti::pallido): there, outlined on the
    // white card, the two still faded and left the rider floating. There
    // the cream a warm isabelline, its shade and flaxen mane a golden brown:
    // paler, it was still the faintest court, held by its outline alone.
    // Both a shade deeper again there: on the white card the cream horse
    // still dissolved and the grey hung on its outline.
    const bool pixel = InchiostroDelPixelInUso();
    const Tinta crema = pixel ? Tono(QColor(0xEC, 0xD6, 0xA2), QColor(0xDA, 0xBA, 0x7A), QColor(0x92, 0x6E, 0x38))
                              : Tono(QColor(0xFA, 0xF0, 0xD4), QColor(0xEE, 0xDE, 0xB2), QColor(0xC2, 0xA8, 0x74));
    const Tinta criniBiondi = pixel
        ? Tono(QColor(0xE6, 0xC8, 0x80), QColor(0xC8, 0x9C, 0x4C), QColor(0x8E, 0x68, 0x2C))
        : Tono(QColor(0xFA, 0xF0, 0xCC), QColor(0xE8, 0xD4, 0x98), QColor(0xB8, 0x9E, 0x60));
    // The cups' horse a pale rose roan with dark chestnut mane, tail and
    // points: in a rose grey, and then a steel grey, it was read as the same
    // grey horse as the swords' white one, and as a peach sorrel-cream it
    // took the rider's skin tone and sat with the cream and the dun as a
    // third tan horse.
    const Tinta roano = Tono(QColor(0xEE, 0xD4, 0xCC), QColor(0xD4, 0xA8, 0x9C), QColor(0x94, 0x68, 0x5C));
    const Tinta criniRoano = Tono(QColor(0x8A, 0x4A, 0x30), QColor(0x6A, 0x2E, 0x1A), QColor(0x44, 0x18, 0x0C));
    const Tinta bianco = pixel ? Tono(QColor(0xE6, 0xE4, 0xDE), QColor(0xC0, 0xBC, 0xB2), QColor(0x80, 0x7A, 0x6E))
                               : Tono(QColor(0xFA, 0xFA, 0xF6), QColor(0xE8, 0xE6, 0xE0), QColor(0xAC, 0xA6, 0x9A));
    const Tinta criniArdesia = Tono(QColor(0x8A, 0x8A, 0x98), QColor(0x62, 0x62, 0x74), QColor(0x42, 0x42, 0x54));
    switch (seme) {
    case Seme::Bastoni: // walking to the left, the near foreleg raised; the club held up behind him at arm's length,
                        // clear of his plumed hat, his fist raised and the club leaning out so that white shows between
                        // them (by his head it was read as part of it, a plume or a sprig), no taller than he is seated
                        // (taller, it dwarfed him and touched the card's top); a green saddle cloth under his red hose
                        // (a red one made his leg and the cloth one red block)
        return {true,
                {{{29, 50}, {33.6, 54.2}, {32.4, 58.8}, {30.8, 60.0}},
                 {{27.6, 50}, {27.4, 57.8}, {27.6, 62.8}, {28.5, 64.6}},
                 {{12.5, 50}, {9.6, 57.8}, {10, 62.8}, {11, 64.6}},
                 {{15.5, 50}, {15.6, 57.6}, {16.4, 62.8}, {17.4, 64.6}},
                 -4,
                 0,
                 1.0},
                0,
                false,
                {16.0, 32.4},
                {12.0, 27.8},
                -14,
                23,
                {dun, criniScuri, Tono(Smorza(kVerde)), kOro, kBriglia, false, Punte::DalGinocchio},
                0,
                {25.8, 47.8},
                {24.8, 55},
                {26.2, 37.4},
                6.2,
                23.3,
                {0.4, -0.3, -0.2, 0.2, 0.3, 0, Qt::transparent, 0, 0.5, -0.3, -0.5, 0.3, 0.6, volti::Taglio::Mandorla,
                 fanti::Lineamenti::Bocca::Quieta, QColor(0x6A, 0x44, 0x22), volti::Naso::Corto}};
    case Seme::Coppe: // cantering, the near foreleg reaching out, the head forward and low enough to show white under
                      // the cup (under it, it was lost behind his arm); the cup raised before him by the far arm over
                      // the horse's neck (held out behind him, he seemed to ride backwards), as large as the card's top
                      // allows with white between its foot and the horse's ears: smaller, at the natural size it was a
                      // speck taken for a coin, and larger and lower it seemed perched on the horse's head; far enough
                      // forward that its foot clears his face
        return {false,
                {{{29, 50}, {33.6, 54.8}, {36.8, 59.2}, {38.0, 61.0}},
                 {{27.6, 50}, {31.8, 54.2}, {29.8, 57.8}, {29.0, 59.6}},
                 {{12.5, 50}, {10.4, 57.8}, {13.4, 62.8}, {14.6, 64.6}},
                 {{15, 50}, {9.8, 56.6}, {7.0, 61.4}, {6.2, 63.2}},
                 -13,
                 4,
                 1.0},
                4,
                true,
                {29.0, 24.8},
                {32.0, 20.4},
                0,
                19.5,
                {roano, criniRoano, Tono(Smorza(kBlu)), kOro, kBriglia, false, Punte::DalNodello},
                4,
                {27, 46.4},
                {27.6, 53.4},
                {27.2, 35.4},
                4.8,
                21.6,
                // His long face only in the larger drawing: at the natural size it
                // set his lids on the eyes' row and his face went brown there.
                {-0.3, 0.4, 0.5, 0.3, 0.1, 0, Qt::transparent, 0, 0, InchiostroDelPixelInUso() ? 0 : 0.9, 0.6, -0.1,
                 0.2, volti::Taglio::Allungato, fanti::Lineamenti::Bocca::Serrata, QColor(0x3A, 0x26, 0x18),
                 volti::Naso::Aquilino, fanti::kPelleBrunaT},
                1.4};
    case Seme::Denari: // rearing, the neck arched and full, the head no higher than his chin (high on a thin neck it
                       // was read as a goat's or a llama's); the coin held up before him by the far arm, high over the
                       // horse's head with white between (held lower it hid the head; held up behind him, on the side
                       // the cups' horseman raises his cup, the two gold shapes were taken for each other); the tail
                       // swung out clear of the hind legs (hanging down beside them it was read as a third)
        return {true,
                {{{29, 50}, {35.6, 48.8}, {38.2, 52.6}, {38.8, 54.6}},
                 {{27.6, 50}, {32.2, 53.6}, {30.6, 58.2}, {29.8, 59.8}},
                 {{10.4, 50}, {6.6, 57.0}, {9.4, 62.8}, {10.6, 64.6}},
                 {{12.8, 50.4}, {10.6, 57.6}, {15.6, 62.8}, {17.4, 64.6}},
                 -34,
                 16,
                 1.12},
                19,
                true,
                {27.4, 25.8},
                {32.4, 20.0},
                0,
                15.5,
                {crema, criniBiondi, Tono(Smorza(kRosso)), kOro, kBriglia, false, Punte::No, true},
                8,
                {25, 48.4},
                {22.4, 54.6},
                {25.2, 38.6},
                7.4,
                23.6,
                {0.3, -0.1, 0.1, 0.9, 0.1, 0, Qt::transparent, 0, 0, 0.1, -0.5, 0.7, 0.0, volti::Taglio::Aperto,
                 fanti::Lineamenti::Bocca::Sorride, QColor(0x4C, 0x60, 0x74), volti::Naso::Largo, fanti::kPelleChiaraT},
                0,
                1.4};
    case Seme::Spade: // a high-stepping trot, the neck arched, the near foreleg lifted with its knee level and the hoof
                      // tucked under it, the far hind raised and bent at the hock (straighter, the legs were read as
                      // sticks); the sword raised before him by the far arm held out and up, his fist above the horse's
                      // ears (lower, the guard and blade crossed the horse's head and the two read as one shape) with
                      // white between the blade and his helmet (with the arm raised steeply beside his head, arm and
                      // blade made one blue cone read as a tall pointed hat; on the helmet's crest, the blade seemed to
                      // grow out of it), the blade no longer than the horse's head (longer, a pennant at the card's
                      // top) and leaning well forward, clear of the helmet (upright beside it, it was read as a plume
                      // or a quill), the near arm over his coat to the reins (with both arms on the far side the rein
                      // hand had no arm leading to it); the raised arm in one line from the shoulder, full enough at
                      // the natural size to read as an arm (bent at the elbow it broke into a stub and a bar); his
                      // coat's skirt short enough to show his saddle cloth (longer, it left a sliver of it)
        return {true,
                {{{29, 50}, {36.0, 50.4}, {34.6, 55.4}, {35.4, 57.0}},
                 {{27.6, 50}, {28.4, 57.4}, {27.2, 62.6}, {28.4, 64.6}},
                 {{13, 50}, {9.2, 57.0}, {11.4, 62.8}, {12.6, 64.6}},
                 {{15, 50}, {18.6, 54.2}, {15.8, 58.0}, {16.8, 59.6}},
                 3,
                 -6,
                 1.0},
                0,
                true,
                {28.4, 25.2},
                {33.0, 20.2},
                32,
                19,
                {bianco, criniArdesia, Tono(Smorza(kViola)), kOro, kBrigliaChiara, false, Punte::No, true},
                -5,
                {24.4, 48.4},
                {22.6, 55.4},
                {27, 38},
                6.6,
                20.8,
                {0.3, 0.3, 0.4, -0.3, -0.1, 0, QColor(0x9C, 0x6C, 0x44), 1.0, 0.9, 0.4, 0.8, -0.3, 0.8,
                 volti::Taglio::Allungato, fanti::Lineamenti::Bocca::Quieta, QColor(0x70, 0x5C, 0x30),
                 volti::Naso::Dritto},
                0,
                1.5};
    }
    return {};
}

} // namespace belvane::cardart::cavalieri
