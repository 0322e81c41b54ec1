// The swords, clubs and coins of the pip cards at the natural size, laid
// pixel by pixel: at twenty pixels long a drawn emblem reduced falls on the
// pixels by chance, and its blade was read as a drop or a flame, its club as
// a leaf on a stalk, and a coin's rose does not survive the reduction. In
// the larger drawing they are the drawn ones.
#include "emblemi_forme.h"

#include "pennelli.h"
#include "pixel_a_mano.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace belvane::cardart {
namespace {

constexpr int kRighe = 20;
// A pip a character a pixel, its middle on the middle column, between the
// tenth and eleventh rows.
template <size_t N> using Mappa = std::array<std::string_view, N>;

// A sword point up: a broad curved blade, four pixels of blue between
// outlines, light along its back and deep blue along its edge, straight
// from the hilt for a third of its length and then curving to the right,
// its back sweeping in to a sharp point; a golden crossguard as wide as the
// pip and two rows thick, gold over deep gold, its ends turned up towards
// the blade, a red grip two pixels long in the outline's ink and a golden
// pommel wider than the grip, as the ace's and the figures' swords have.
// (A slender blade of three pixels, light and mid blue, was the palest and
// thinnest pip on the table: beside the clubs, cups and coins it was lost
// on the white and a card of swords was miscounted. Straight to its last
// fifth and bent there a pixel a row, the blade read as a bent nail, a
// hockey stick or a blue 7; four pixels across on a guard of one row, as a
// stubby dagger, a wedge or a feather, the blade hardly twice its hilt,
// and bending its whole length on ends turned down, as a claw or a banana;
// a blade widening from its point to the guard as a leaf or a flame, on a
// guard of two rows apart from the blade as a second mark below it; a blade
// three pixels across leaning all its length on a guard of one light gold
// row, lost on the white, as a quill; a hilt of a pixel's grip and a
// pixel's pommel left the blade alone to be seen, a blue flame; a grip of
// three under a guard underlined in deep gold, the blade two and a half
// times the hilt, as a dagger; a pommel no wider than the grip left almost
// no hilt; outlined all round in deep blue, the Spade were the palest suit
// on the table.)
constexpr Mappa<kRighe> kSpada{
    "........K..", ".......KSK.", "......KbSK.", "......KbSK.", ".....KbBSK.", ".....KbBSK.", "....KbBBSK.",
    "...KbBBSK..", "...KbBBSK..", "..KbBBSK...", "..KbBBSK...", "..KbBBSK...", "..KbBBSK...", "Y.KbBBSK..Y",
    "YYYYYYYYYYY", "ooooooooooo", "...KRRrK...", "...KrRrK...", "..KoYYYoK..", "...KKKKK...",
};
// A cudgel leaning as a hand holds it, its head up to the right: the ace's
// and the figures' club made small, dark outlined, light on its left and
// shaded on its right, a heavy head knobbed at its crown narrowing steadily
// down the shaft to a grip a third of its width, bound twice in red and
// ending in a knob; the dark stump of a lopped branch on its left, a golden
// leaf sprouting on its right and a mark of bark on either side of it. Its
// outline runs clean round it, red only at the grip. (A head on a body of
// nearly even width with red dots up its sides read as a gherkin or a
// cactus, whatever its shading; pale cut faces standing out of its outline
// broke it into specks, a sprig or a broccoli; a head tapering all the way
// down to the grip read as a leaf or a chilli; a staff a pixel thinner than
// this as a tadpole's tail; a stave of even width as a pickle and a thin
// stick as a sword in green.)
constexpr Mappa<kRighe> kBastone{
    ".....KKKK..", "....KLGGDKK", "...KLGGGDGK", "...KLGGGGDK", "..KLGGGGDDK", "..KLGGGGDDK", "..KLGGGnDDK",
    "..KLGGGGDK.", "..KLGGGDDK.", ".KnKLGGDK..", "..KKLGGDK..", "..KLGnDDKYY", "..KLGGDKYYo", ".KLGGDKoo..",
    ".KLGDDK....", "..KRrK.....", "..KGDK.....", "..KRrK.....", ".KLGDDK....", "..KKKK.....",
};

// A gold coin as the figures hold it, fifteen pixels across, as large as the
// seven's three abreast leave room for: a face of bright gold inside a rim
// of dark bronze gold and the outline, the rim a pixel thicker on the
// diagonals so that it is as wide all round, and a red rose with a golden
// heart filling the middle third. (A heavy brown rim round a small face and
// a red square was read as a button; a pale lemon coin a pixel or two larger
// as an octagon; a rim of light gold left coins side by side a yellow
// cluster, and one of middling gold, a lone coin soft on the white.)
constexpr Mappa<15> kMoneta{
    ".....KKKKK.....", "...KKcccccKK...", "..KcccFFFcccK..", ".KccFFFFFFFccK.", ".KcFFFFRFFFFcK.",
    "KccFFFRRRFFFccK", "KcFFFRRRRRFFFcK", "KcFFRRRlRRRFFcK", "KcFFFRRRRRFFFcK", "KccFFFRRRFFFccK",
    ".KcFFFFRFFFFcK.", ".KccFFFFFFFccK.", "..KcccFFFcccK..", "...KKcccccKK...", ".....KKKKK.....",
};

// Every row as long as the first, and an odd number of columns, so that
// the middle column stands on the pip's middle and a mirrored pip on the
// same pixels.
template <size_t N> constexpr bool Rettangolare(const Mappa<N> &mappa)
{
    for (const std::string_view riga : mappa)
        if (riga.size() != mappa[0].size())
            return false;
    return mappa[0].size() % 2 == 1;
}
static_assert(Rettangolare(kSpada) && Rettangolare(kBastone) && Rettangolare(kMoneta));

// How far the drawn club leans, clockwise, as the pixels' one does: upright
// and knobbly it reads as a cactus.
constexpr qreal kPende = 6;

QColor Colore(char c)
{
    switch (c) {
    case 'b':
        return kTintaBlu.luce;
    case 'B':
        return kTintaBlu.corpo;
    case 'S':
        return kTintaBlu.ombra;
    case 'Y':
        return kTintaOro.corpo;
    case 'y':
        return kTintaOro.ombra;
    case 'o':
        return kOroScuro;
    case 'F':
        return QColor(0xF8, 0xC8, 0x28); // the coin's face
    case 'c':
        return QColor(0x84, 0x50, 0x10); // its rim
    case 'l':
        return kTintaOro.luce;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    case 'L':
        return kTintaLegnoDiCarta.luce;
    case 'G':
        return kTintaLegnoDiCarta.corpo;
    case 'D':
        return kTintaLegnoDiCarta.ombra;
    case 'n':
        return kCorteccia;
    default:
        return kContornoEmblema;
    }
}

// The tones of one colour, lit and shaded across a pip: the blade's, the
// wood's, the grip's and the gold's; 0 for the outlines.
int Famiglia(char c)
{
    switch (c) {
    case 'b':
    case 'B':
    case 'S':
        return 1;
    case 'L':
    case 'G':
    case 'D':
        return 2;
    case 'R':
    case 'r':
        return 3;
    case 'Y':
    case 'y':
        return 4;
    default:
        return 0;
    }
}

// A row of a pip turned about its middle column, still lit from the left as
// every pip and figure is: each run of one colour's tones keeps its order.
// (Turned with its light, the odd one out of a card looked like a slip.)
std::string Rivolta(std::string_view riga)
{
    std::string rivolta(riga.rbegin(), riga.rend());
    for (auto da = rivolta.begin(); da != rivolta.end();) {
        const auto a = std::find_if(da, rivolta.end(), [&](char c) { return Famiglia(c) != Famiglia(*da); });
        if (Famiglia(*da) != 0)
            std::reverse(da, a);
        da = a;
    }
    return rivolta;
}

// `mappa` laid `u` a character, its middle on the origin, turned about its
// middle column when `specchio`.
template <size_t N> void Stendi(QPainter &p, const Mappa<N> &mappa, qreal u, bool specchio)
{
    std::array<std::string, N> girate;
    std::array<std::string_view, N> righe;
    for (size_t r = 0; r < N; ++r) {
        girate[r] = specchio ? Rivolta(mappa[r]) : std::string(mappa[r]);
        righe[r] = girate[r];
    }
    StendiPixel(p, righe, QPointF(-(mappa[0].size() / 2.0), -(N / 2.0)), u, Colore);
}

} // namespace

void SpadaDaContare(QPainter &p, qreal h, qreal curva)
{
    if (InchiostroDelPixelInUso())
        Stendi(p, kSpada, h / kRighe, curva < 0);
    else
        SpadaDiCarta(p, h, curva);
}

void BastoneDaContare(QPainter &p, qreal h, bool specchio)
{
    if (InchiostroDelPixelInUso()) {
        Stendi(p, kBastone, h / kRighe, specchio);
        return;
    }
    p.save();
    if (specchio)
        p.scale(-1, 1);
    p.rotate(kPende);
    Bastone(p, h, Ornato::Carta);
    p.restore();
}

// The coin is laid a pixel a character whatever its diameter: the drawn
// coin of the same diameter falls on these fifteen pixels.
void DenaroDaContare(QPainter &p, qreal h)
{
    if (InchiostroDelPixelInUso())
        Stendi(p, kMoneta, 1, false);
    else
        DenaroDiCarta(p, h);
}

} // namespace belvane::cardart
