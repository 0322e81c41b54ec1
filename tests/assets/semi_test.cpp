// The pip cards at their own size, read off the committed bitmaps: each
// count told at a glance, every emblem of a suit one picture and one size.
#include "lettura.h"
#include "macchie.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <set>
#include <vector>

namespace {

constexpr int kW = kLarghezzaCarta, kH = kAltezzaCarta;

// Ink is anything not pure white.
std::vector<int> Etichette(const QImage &img)
{
    return NumeraMacchie(img, [&](int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; });
}

// Patches of non-white pixels: the box round each.
std::vector<QRect> Macchie(const QImage &img) { return Riquadri(Etichette(img), img.width()); }

// The two's banner lies across the card, flatter than any emblem standing
// or lying: more than twice as wide as it is tall.
bool DiTraverso(const QRect &m) { return m.width() > 2 * m.height(); }

// A pip card's emblems: its patches but the two's banner.
std::vector<QRect> Emblemi(const QImage &img)
{
    std::vector<QRect> emblemi = Macchie(img);
    std::erase_if(emblemi, DiTraverso);
    return emblemi;
}

// At their own size the pips are counted at a glance only if no emblem runs
// into another: white between them, so each is a patch of its own. The eye
// counts them without weighing them if every emblem of a suit has one size
// from the two to the seven, and none crowds the card's edge. The two, and
// only the two, carries its banner besides, apart from its emblems too.
TEST(CarteBmp, PipsStandApartWithWhiteBetween)
{
    constexpr int kMargine = 3;
    for (int seme = 0; seme < 4; ++seme) {
        std::vector<QRect> tutte;
        for (int rango = 1; rango <= 7; ++rango) { // the ace's emblem too keeps off the edge
            const int code = seme * 10 + rango;
            SCOPED_TRACE(code);
            const std::vector<QRect> macchie = Macchie(DecodificaBmp(LeggiFile(FileCarta(code))));
            if (rango > 1) {
                const auto emblemi = size_t(
                    std::count_if(macchie.begin(), macchie.end(), [](const QRect &m) { return !DiTraverso(m); }));
                EXPECT_EQ(int(emblemi), rango);
                EXPECT_EQ(macchie.size() - emblemi, rango == 2 ? 1u : 0u) << "banners";
            }
            // Two pixels of white at least between neighbours, across, down
            // and aslant; one between coins, each a ring in its own dark
            // outline (three abreast fill the card's width).
            const int bianco = seme == 2 ? 1 : 2;
            const std::vector<int> chi = Etichette(DecodificaBmp(LeggiFile(FileCarta(code))));
            int vicini = 0;
            for (int k = 0; k < kW * kH; ++k)
                for (int dy = -bianco; dy <= bianco; ++dy)
                    for (int dx = -bianco; dx <= bianco; ++dx) {
                        const int x = k % kW + dx, y = k / kW + dy;
                        vicini += chi[size_t(k)] > 0 && x >= 0 && y >= 0 && x < kW && y < kH &&
                            chi[size_t(y * kW + x)] > 0 && chi[size_t(y * kW + x)] != chi[size_t(k)];
                    }
            EXPECT_EQ(vicini, 0);
            for (const QRect &m : macchie) {
                EXPECT_TRUE(QRect(kMargine, kMargine, kW - 2 * kMargine, kH - 2 * kMargine).contains(m))
                    << m.x() << "," << m.y() << " " << m.width() << "x" << m.height();
                if (rango > 1 && !DiTraverso(m))
                    tutte.push_back(m);
            }
        }
        // Blades bend left or right and fall differently on the pixels: a
        // pixel either way. A sword or club lying across counts as one
        // standing: its length against the others' lengths.
        const auto lungo = [](const QRect &m) { return std::max(m.width(), m.height()); };
        const auto corto = [](const QRect &m) { return std::min(m.width(), m.height()); };
        const auto [basso, alto] = std::minmax_element(
            tutte.begin(), tutte.end(), [&](const QRect &a, const QRect &b) { return lungo(a) < lungo(b); });
        const auto [stretto, largo] = std::minmax_element(
            tutte.begin(), tutte.end(), [&](const QRect &a, const QRect &b) { return corto(a) < corto(b); });
        EXPECT_LE(lungo(*alto) - lungo(*basso), 1) << "suit " << seme;
        EXPECT_LE(corto(*largo) - corto(*stretto), 2) << "suit " << seme;
    }
}

// Cups and coins are never turned, so every one of a suit on the two to the
// seven is the same picture, pixel for pixel: one falling on the pixels
// half a pixel off printed squatter, without its lip, and was seen as a
// different cup. Each is read alone, its neighbours whited out: the
// seven's coins, set close, reach into one another's boxes.
TEST(CarteBmp, EveryPipCupAndCoinIsOnePicture)
{
    for (const int seme : {1, 2}) { // Coppe, Denari
        std::set<QByteArray> figure;
        for (int rango = 2; rango <= 7; ++rango) {
            const QImage img = DecodificaBmp(LeggiFile(FileCarta(seme * 10 + rango)));
            const std::vector<int> chi = Etichette(img);
            const std::vector<QRect> riquadri = Riquadri(chi, kW);
            for (int n = 1; n <= int(riquadri.size()); ++n) {
                const QRect m = riquadri[size_t(n - 1)];
                if (DiTraverso(m))
                    continue;
                QImage pezzo = img.copy(m);
                for (int y = m.top(); y <= m.bottom(); ++y)
                    for (int x = m.left(); x <= m.right(); ++x)
                        if (chi[size_t(y * kW + x)] != n)
                            pezzo.setPixel(x - m.left(), y - m.top(), 0xFFFFFFFF);
                figure.insert(QByteArray(reinterpret_cast<const char *>(pezzo.constBits()), int(pezzo.sizeInBytes())) +
                              QByteArray::number(m.width()));
            }
        }
        EXPECT_EQ(figure.size(), 1u) << "suit " << seme;
    }
}

// The two and three of every suit reach the same lines across the card,
// head and foot, a pixel or two either way, with as much white above as
// below: laid side by side, a suit whose low cards reached less far looked
// squashed, and one a pixel low looked out of true. The four, five and six
// share one grid within a suit, the four's emblems where the five's and
// six's corners stand: a four drawn in from them was a block of its own,
// and the outline, not the count, was what the eye took in.
TEST(CarteBmp, TheLowCardsOfEverySuitStandOnTheSameLines)
{
    // Middles doubled, so that a blade laid between two pixels is a whole number.
    const auto mezzi = [](int code) {
        std::vector<QPoint> m;
        for (const QRect &r : Emblemi(DecodificaBmp(LeggiFile(FileCarta(code)))))
            m.emplace_back(r.left() + r.right(), r.top() + r.bottom());
        return m;
    };
    for (int rango = 2; rango <= 3; ++rango) {
        int capo0 = 0, piede0 = 0; // the clubs', which every other suit's meet
        for (int seme = 0; seme < 4; ++seme) {
            SCOPED_TRACE(testing::Message() << "rank " << rango << ", suit " << seme);
            const std::vector<QRect> emblemi = Emblemi(DecodificaBmp(LeggiFile(FileCarta(seme * 10 + rango))));
            ASSERT_EQ(int(emblemi.size()), rango);
            int capo = kH, piede = kH; // white above and below
            for (const QRect &m : emblemi) {
                capo = std::min(capo, m.top());
                piede = std::min(piede, kH - 1 - m.bottom());
            }
            EXPECT_LE(std::abs(capo - piede), 1) << "as much white above as below";
            if (seme == 0) {
                capo0 = capo;
                piede0 = piede;
            }
            EXPECT_LE(std::abs(capo - capo0), 2) << "head";
            EXPECT_LE(std::abs(piede - piede0), 2) << "foot";
        }
    }
    for (int seme = 0; seme < 4; ++seme) {
        const std::vector<QPoint> quattro = mezzi(seme * 10 + 4);
        ASSERT_EQ(quattro.size(), 4u);
        for (const int rango : {5, 6}) {
            const std::vector<QPoint> altro = mezzi(seme * 10 + rango);
            for (const QPoint &p : quattro)
                EXPECT_TRUE(std::any_of(altro.begin(), altro.end(),
                                        [&](const QPoint &q) { return (p - q).manhattanLength() <= 2; }))
                    << "suit " << seme << ": the four's emblem at " << p.x() / 2 << "," << p.y() / 2
                    << " is not on the " << rango << "'s corners";
        }
    }
}

// The counts are told apart by their outline, not counted: each of the two
// to the seven has its own rows (emblems side by side, their spans down the
// card overlapping), and no count is another with one emblem more or less
// (in the places, thirds across and down the card, its emblems stand in)
// unless that one stands alone across the card: no other emblem reaches
// the row through its middle, as the five's middle between the four's
// rows. A third emblem closing a row between two runs into them at the
// natural size, and a count reads as the one below. Nor is a count, with
// any one emblem unseen, a lower count emblem for emblem, unless that one
// too stands alone across the card, with white round it: the five's middle
// is what it adds to the four, and an emblem lost among others, not one
// standing alone, is the one the eye misses.
TEST(CarteBmp, EachCountHasItsOwnRowsAndOutline)
{
    // Emblems stand alike when their middles are within this many pixels.
    constexpr int kAlike = 3;
    const auto alike = [](const std::vector<QPoint> &a, const std::vector<QPoint> &b) {
        return a.size() == b.size() && std::all_of(a.begin(), a.end(), [&](const QPoint &p) {
                   return std::any_of(b.begin(), b.end(),
                                      [&](const QPoint &q) { return (p - q).manhattanLength() <= kAlike; });
               });
    };
    for (int seme = 0; seme < 4; ++seme) {
        std::set<std::vector<int>> viste;
        std::vector<std::bitset<9>> posti;
        std::vector<std::vector<QPoint>> mezzi; // the lower counts' emblems' middles
        for (int rango = 2; rango <= 7; ++rango) {
            const int code = seme * 10 + rango;
            SCOPED_TRACE(code);
            std::vector<QRect> macchie = Emblemi(DecodificaBmp(LeggiFile(FileCarta(code))));
            std::sort(macchie.begin(), macchie.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
            std::vector<int> file; // how many side by side, row by row down the card
            int fondo = -1;
            std::bitset<9> dove;
            std::array<QRect, 9> rettangoli{};
            for (const QRect &m : macchie) {
                if (m.top() > fondo)
                    file.push_back(0);
                ++file.back();
                fondo = std::max(fondo, m.bottom());
                const QPoint c = m.center();
                const size_t posto = size_t(std::clamp(3 * c.y() / kH, 0, 2) * 3 + std::clamp(3 * c.x() / kW, 0, 2));
                EXPECT_FALSE(dove.test(posto)) << "two emblems in one place";
                dove.set(posto);
                rettangoli[posto] = m;
            }
            EXPECT_TRUE(viste.insert(file).second) << "rows shared with a lower count";
            // The six and the seven, a pip apart, are the pair read wrong:
            // the seven leaves at least three of the six's places.
            if (rango == 7) {
                EXPECT_GE((posti[4] ^ dove).count(), 3u) << "the seven is the six moved by a pip";
            }
            for (size_t i = 0; i < posti.size(); ++i) {
                const std::bitset<9> diverse = posti[i] ^ dove;
                if (diverse.count() >= 2)
                    continue;
                ASSERT_EQ(diverse.count(), 1u) << "the " << rango << " looks like the " << i + 2;
                const size_t piu = size_t(std::countr_zero(diverse.to_ulong()));
                ASSERT_TRUE(dove.test(piu)) << "the " << rango << " is the " << i + 2 << " and one more";
                const int mezzo = rettangoli[piu].center().y();
                for (const QRect &m : macchie)
                    EXPECT_TRUE(m == rettangoli[piu] || m.bottom() < mezzo || m.top() > mezzo)
                        << "the " << rango << " is the " << i + 2 << " and one more in a row with others";
            }
            posti.push_back(dove);
            std::vector<QPoint> qui;
            for (const QRect &m : macchie)
                qui.push_back(m.center());
            for (size_t tolto = 0; tolto < qui.size(); ++tolto) {
                const QRect &solo = macchie[tolto];
                if (std::all_of(macchie.begin(), macchie.end(), [&](const QRect &m) {
                        return m == solo || m.bottom() < solo.center().y() || m.top() > solo.center().y();
                    }))
                    continue;
                std::vector<QPoint> resto = qui;
                resto.erase(resto.begin() + std::ptrdiff_t(tolto));
                for (const std::vector<QPoint> &piuBasso : mezzi)
                    EXPECT_FALSE(alike(resto, piuBasso))
                        << "the " << rango << " without its emblem at " << qui[tolto].x() << "," << qui[tolto].y()
                        << " is the " << piuBasso.size();
            }
            mezzi.push_back(qui);
        }
    }
}

// At their own size swords and clubs are counted at a glance only if each
// is large and upright (the odd one of a five or seven too: lying across it
// reads as a dash) and shows its own shape: a sword its blade as blue, not
// as a blue line between two dark ones, four pixels of blue side by side
// along a third of its length (three, a thin blade, was lost on the white
// beside the other suits' emblems), bending sideways from the guard to the point
// (a straight one reads as a dagger), a light edge of steel along a third of
// it (without one, neighbouring blades ran together into blue ticks); a club its green rather than its
// outline, a head at least twice as wide as its grip (an even rod reads as
// a pod), and most of its length no wider than two fifths of it (a squat
// club reads as a cactus or a pepper; one no wider than a third, as a
// sprig), its red only where its grip is bound, in its lower third (red
// dots up its sides read as a gherkin's warts or a cactus's flowers). Each
// is lit from the left, the turned ones too: its light tone left of its
// shade (a turned one lit from the right looked a slip).
TEST(CarteBmp, PipSwordsAndClubsShowTheirColoursAndShapes)
{
    constexpr int kLunghezzaMinima = 18;
    const auto blu = [](QRgb c) { return qGray(c) >= 60 && qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 20; };
    const auto verde = [](QRgb c) { return qGray(c) >= 60 && qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 10; };
    for (const int seme : {0, 3}) { // Bastoni, Spade
        for (int rango = 2; rango <= 7; ++rango) {
            const int code = seme * 10 + rango;
            SCOPED_TRACE(code);
            const QImage img = DecodificaBmp(LeggiFile(FileCarta(code)));
            const std::vector<int> chi = Etichette(img);
            const std::vector<QRect> riquadri = Riquadri(chi, kW);
            for (int n = 1; n <= int(riquadri.size()); ++n) {
                const QRect box = riquadri[size_t(n - 1)];
                if (DiTraverso(box))
                    continue; // the two's banner
                EXPECT_GE(box.height(), kLunghezzaMinima) << "emblem " << n;
                EXPECT_GT(box.height(), box.width()) << "emblem " << n;
                int scuri = 0, colorati = 0, righeDiLama = 0, righeDiLuce = 0, rossiSopra = 0, rossiSotto = 0;
                double luce = 0, ombra = 0; // the light and the darker pixels' mean columns
                int quanteLuci = 0, quanteOmbre = 0;
                std::vector<int> larghe;      // each row's width
                std::vector<double> mezzeBlu; // each blade row's middle
                for (int y = box.top(); y <= box.bottom(); ++y) {
                    int fila = 0, filaMassima = 0, primo = kW, ultimo = -1, blui = 0, chiari = 0;
                    double somma = 0;
                    for (int x = box.left(); x <= box.right(); ++x) {
                        if (chi[size_t(y * kW + x)] != n) {
                            fila = 0;
                            continue;
                        }
                        primo = std::min(primo, x);
                        ultimo = x;
                        const QRgb c = img.pixel(x, y);
                        scuri += qGray(c) < 60;
                        const bool rosso = qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
                        (3 * (y - box.top()) < 2 * box.height() ? rossiSopra : rossiSotto) += rosso;
                        colorati += seme == 0 ? verde(c) : blu(c);
                        const bool chiaro = seme == 0 ? verde(c) && qGray(c) >= 140 : blu(c) && qGray(c) >= 130;
                        const bool cupo = seme == 0 ? verde(c) && qGray(c) < 95 : blu(c) && qGray(c) < 130;
                        luce += chiaro ? x : 0;
                        quanteLuci += chiaro;
                        ombra += cupo ? x : 0;
                        quanteOmbre += cupo;
                        fila = blu(c) ? fila + 1 : 0;
                        filaMassima = std::max(filaMassima, fila);
                        if (blu(c)) {
                            ++blui;
                            chiari += qGray(c) >= 130;
                            somma += x;
                        }
                    }
                    larghe.push_back(ultimo >= primo ? ultimo - primo + 1 : 0);
                    righeDiLama += filaMassima >= 4;
                    righeDiLuce += chiari > 0;
                    if (blui > 0)
                        mezzeBlu.push_back(somma / blui);
                }
                ASSERT_GT(quanteLuci, 0) << "emblem " << n;
                ASSERT_GT(quanteOmbre, 0) << "emblem " << n;
                EXPECT_LT(luce / quanteLuci, ombra / quanteOmbre) << "emblem " << n << " lit from the right";
                if (seme == 0) {
                    EXPECT_GE(3 * colorati, 4 * scuri) << "club " << n;
                    EXPECT_EQ(rossiSopra, 0) << "club " << n;
                    EXPECT_GT(rossiSotto, 0) << "club " << n;
                    const int terzo = int(larghe.size()) / 3;
                    const int testa = *std::max_element(larghe.begin(), larghe.begin() + terzo);
                    const int presa = *std::min_element(larghe.end() - terzo, larghe.end());
                    EXPECT_GE(testa, 2 * presa) << "club " << n;
                    std::vector<int> ordinate = larghe;
                    std::nth_element(ordinate.begin(), ordinate.begin() + ordinate.size() / 2, ordinate.end());
                    EXPECT_GE(2 * box.height(), 5 * ordinate[ordinate.size() / 2]) << "club " << n;
                } else {
                    EXPECT_GE(3 * righeDiLama, box.height()) << "sword " << n;
                    EXPECT_GE(3 * righeDiLuce, box.height()) << "sword " << n;
                    ASSERT_GE(mezzeBlu.size(), 6u) << "sword " << n;
                    const double punta = (mezzeBlu[0] + mezzeBlu[1] + mezzeBlu[2]) / 3;
                    const auto fine = mezzeBlu.end();
                    const double piede = (fine[-1] + fine[-2] + fine[-3]) / 3;
                    EXPECT_GE(std::abs(punta - piede), 2.0) << "sword " << n;
                }
            }
        }
    }
}

// Swords and clubs off the card's middle turn away from it, so that each
// pair across the card is one emblem and its mirror: a blade's point, a
// club's head, leans out towards the card's edge (all turned one way, a
// card of them read as a flock of feathers). Told by the ink of each
// emblem's upper third against its lower third.
TEST(CarteBmp, PipSwordsAndClubsTurnAwayFromTheMiddle)
{
    for (const int seme : {0, 3}) { // Bastoni, Spade
        for (int rango = 3; rango <= 7; ++rango) {
            const int code = seme * 10 + rango;
            SCOPED_TRACE(code);
            const QImage img = DecodificaBmp(LeggiFile(FileCarta(code)));
            const std::vector<int> chi = Etichette(img);
            const std::vector<QRect> riquadri = Riquadri(chi, kW);
            int fuori = 0;
            for (int n = 1; n <= int(riquadri.size()); ++n) {
                const QRect box = riquadri[size_t(n - 1)];
                const int mezzo = box.left() + box.right() - (kW - 1); // doubled, from the card's middle
                if (DiTraverso(box) || std::abs(mezzo) < 8)
                    continue;
                const int terzo = box.height() / 3;
                double su = 0, giu = 0;
                int quantiSu = 0, quantiGiu = 0;
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x) {
                        if (chi[size_t(y * kW + x)] != n)
                            continue;
                        if (y < box.top() + terzo) {
                            su += x;
                            ++quantiSu;
                        } else if (y > box.bottom() - terzo) {
                            giu += x;
                            ++quantiGiu;
                        }
                    }
                const double pende = su / quantiSu - giu / quantiGiu;
                EXPECT_GT(pende * mezzo, 0) << "emblem " << n << " at " << box.center().x() << "," << box.center().y();
                ++fuori;
            }
            EXPECT_GE(fuori, 2);
        }
    }
}

// The ace's lopped branches show their cut: pale heartwood inside a ring of
// red bark, each face standing clear of the white. All red, the faces read
// as berries or a cactus's flowers; pale and unringed, they were lost on the
// white and the cudgel looked moth-eaten.
TEST(CarteBmp, TheAceOfClubsShowsPaleCutFacesRingedInRed)
{
    const QImage img = DecodificaBmp(LeggiFile(FileCarta(1)));
    const auto pallido = [](QRgb c) { return qGray(c) > 200 && qRed(c) > qBlue(c) + 30; };
    const auto rosso = [](QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; };
    int facce = 0;
    for (int y = 1; y < kH - 1; ++y)
        for (int x = 1; x < kW - 1; ++x) {
            if (!pallido(img.pixel(x, y)))
                continue;
            ++facce;
            // Never on the card's white: a ring or the wood round it.
            for (const auto &[dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const QRgb v = img.pixel(x + dx, y + dy);
                EXPECT_NE(v & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
            }
        }
    EXPECT_GE(facce, 8);
    int rossiAccanto = 0;
    for (int y = 1; y < kH - 1; ++y)
        for (int x = 1; x < kW - 1; ++x)
            if (rosso(img.pixel(x, y)) && (pallido(img.pixel(x + 1, y)) || pallido(img.pixel(x - 1, y))))
                ++rossiAccanto;
    EXPECT_GE(rossiAccanto, 8);
}

} // namespace
