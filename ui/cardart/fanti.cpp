#include "figure.h"

#include "emblemi.h"
#include "fanti_comune.h"
#include "pennelli.h"
#include "sagome.h"

namespace belvane::cardart {
namespace fanti {

// Leaning on his cudgel planted beside him, legs crossed, a wide hat.
void FanteDiBastoni(QPainter &p)
{
    Pedana(p, Seme::Bastoni);
    Emblema(p, Seme::Bastoni, {34.5, 48.6}, 29, -4);
    // The leg he stands on, then the one crossed in front of it, on its toe.
    Forma(p, ProfiloArto({{{22.2, 40}, 4.4}, {{22.6, 51.5}, 3.4}, {{23.2, 61.6}, 2.4}}), kOcraT, 0.8, 0.5);
    Scarpa(p, {22.2, 62.9}, {26.2, 63.1});
    const Profilo incrociata = ProfiloArto({{{17.6, 40}, 4.6}, {{19.8, 51.5}, 3.5}, {{25.4, 60.2}, 2.4}});
    Forma(p, incrociata, kRossoT, 0.8, 0.5);
    Linee(p, Tratti({{{18.2, 50.2}, {19.8, 51.3}, {21.2, 51.0}}}), kRossoT.ombra);
    Scarpa(p, {25.2, 60.6}, {27.6, 63.2});
    // Curls behind the head, the neck.
    Forma(p, {{15.4, 15}, {15.8, 11}, {19.5, 10}, {23.4, 11}, {23.6, 15.5}, {22.6, 19}, {16.4, 19}}, kCastanoT, 0.8,
          0.5);
    Forma(p, ProfiloArto({{{19.5, 18}, 2.8}, {{19.5, 21.5}, 2.8}}), kPelleT, 0.6, 0);
    // The doublet with its skirt, slashed on the chest.
    const Profilo farsetto{{14.2, 22.2}, {19.5, 21.2}, {25, 21.8}, {26, 26.5},   {24.6, 33.2},
                           {27.4, 40.6}, {21, 42.2},   {14, 40.6}, {15.6, 33.2}, {13.6, 26.5}};
    Forma(p, farsetto, kRossoT);
    QPainterPath tagli;
    for (qreal x : {17.0, 19.2, 21.4, 23.4})
        tagli.addPath(Taglio(x, 23.6, 31.2));
    Riempi(p, tagli, kOcraT.corpo, kRossoT.ombra, kTrattoInterno);
    Ombreggia(p, farsetto, {22.5, 21}, {24.5, 42}, kRossoT.ombra, 60);
    Forma(p, ProfiloArto({{{15.4, 33.8}, 1.5}, {{24.8, 33.4}, 1.5}}), kMarroneT, 0.4, 0.3);
    Linee(p, Tratti({{{17.4, 35}, {16.2, 40.5}}, {{21, 35}, {21, 41.6}}, {{24, 35}, {25.6, 40.4}}}), kRossoT.ombra,
          kTrattoFine);
    // One fist on the hip, the other hand on the cudgel's head.
    const Profilo sinistro = ProfiloArto({{{14.8, 23}, 3.8}, {{10.2, 29.2}, 3.2}, {{14.2, 35.2}, 2.6}});
    Forma(p, sinistro, kOcraT, 0.8, 0.5);
    Linee(p, Tratti({{{12.2, 25.5}, {13.6, 26.4}}, {{10.6, 28.0}, {12.0, 29.4}}, {{11.8, 32.2}, {12.8, 31.2}}}),
          kOcraT.ombra);
    Mano(p, {14.6, 35.6});
    const Profilo destro = ProfiloArto({{{24.8, 22.8}, 3.8}, {{29.6, 28}, 3.2}, {{33.2, 32.2}, 2.6}});
    Forma(p, destro, kOcraT, 0.8, 0.5);
    Linee(p, Tratti({{{26.4, 24.2}, {27.4, 25.6}}, {{28.6, 27.0}, {29.4, 28.8}}}), kOcraT.ombra);
    Mano(p, {33.9, 33.2}, 1.5);
    Forma(p, {{16, 21.6}, {19.5, 20.2}, {23, 21.6}, {19.5, 22.8}}, kLinoT, 0.4, 0);
    const QPointF viso = CentroViso(Seme::Bastoni);
    Volto(p, viso, 0.5);
    // The wide hat, tilted, with a red band.
    Forma(p, {{15.8, 11}, {16.2, 7}, {18, 5.6}, {21.5, 5.8}, {23.2, 7.2}, {23.4, 11}}, kMarroneT, 0.9, 0.5);
    Forma(p, ProfiloArto({{{16.2, 9.6}, 1.4}, {{23, 9.8}, 1.4}}), kRossoT, 0.4, 0.3);
    const Profilo tesa{{11.2, 12.6}, {13, 10.4},   {19.5, 9.8},  {26.6, 10.4},
                       {28.4, 11.6}, {26.4, 12.8}, {19.5, 12.4}, {13.4, 13.4}};
    Forma(p, tesa, kMarroneT, 0.7, 0.4);
    Linee(p, Tratti({{{14.5, 12.2}, {19.5, 11.6}, {25.5, 11.9}}}), kMarroneT.ombra);
}

// Stepping forward, the cup carried before him in both hands, long hair
// under a plumed beret.
void FanteDiCoppe(QPainter &p)
{
    Pedana(p, Seme::Coppe);
    // The leg behind, heel raised; the one in front, stepping out.
    Forma(p, ProfiloArto({{{27.8, 40}, 4.4}, {{30.2, 51}, 3.4}, {{33, 59.6}, 2.4}}), kLinoT, 0.8, 0.5);
    Linee(p, Tratti({{{28.4, 44}, {30, 51}, {32.2, 58}}}), kLinoT.ombra);
    Scarpa(p, {34, 59.8}, {30.8, 63.2});
    const Profilo avanti = ProfiloArto({{{23, 40}, 4.6}, {{19.8, 50.5}, 3.5}, {{17.2, 61}, 2.4}});
    Forma(p, avanti, kRossoT, 0.8, 0.5);
    Scarpa(p, {18.4, 62.6}, {12.8, 63.2});
    // Long hair falling behind, to the shoulders.
    const Profilo chioma{{21.8, 13}, {22.5, 10.5}, {25.5, 9.6},  {29, 10.8}, {29.8, 14},   {30.4, 18.5},
                         {30, 22.6}, {27.4, 22.4}, {27.8, 18.4}, {23.5, 18}, {21.8, 19.5}, {21.2, 16}};
    Forma(p, chioma, kRameT, 0.8, 0.5);
    Linee(p, Tratti({{{28.2, 12}, {29.2, 16}, {28.8, 21.4}}, {{27, 12.4}, {28, 16.4}, {28.2, 19}}}), kRameT.ombra);
    // The far arm reaches forward behind the body.
    Forma(p, ProfiloArto({{{29.6, 23.2}, 3.4}, {{27.6, 30.4}, 2.9}, {{13.6, 33.8}, 2.4}}), kCelesteT, 0.7, 0.4);
    Forma(p, ProfiloArto({{{25.5, 18}, 2.8}, {{25.3, 21.5}, 2.8}}), kPelleT, 0.6, 0);
    const Profilo farsetto{{20.8, 22.4}, {25.6, 21.4}, {30.4, 22.4}, {30.6, 27},   {29.4, 33.6},
                           {31.6, 40.8}, {25, 42},     {18.6, 40.8}, {21.4, 33.6}, {20.4, 27}};
    Forma(p, farsetto, kBluT);
    QPainterPath tagli;
    for (qreal x : {23.4, 25.6, 27.8})
        tagli.addPath(Taglio(x, 24, 31.6));
    Riempi(p, tagli, kLinoT.corpo, kBluT.ombra, kTrattoInterno);
    Ombreggia(p, farsetto, {27.5, 21}, {29, 42}, kBluT.ombra, 55);
    Forma(p, ProfiloArto({{{21.4, 34}, 1.5}, {{29.6, 33.8}, 1.5}}), kOcraT, 0.4, 0.3);
    Linee(p, Tratti({{{22, 35.2}, {20, 40.6}}, {{25, 35.2}, {24.6, 41.8}}, {{28.2, 35.2}, {30, 40.4}}}), kBluT.ombra,
          kTrattoFine);
    // The cup, and the near arm whose hand holds its foot with the other.
    Emblema(p, Seme::Coppe, {10.4, 25.8}, 13, 0);
    Mano(p, {9.4, 33.6});
    Forma(p, ProfiloArto({{{21.4, 23.2}, 3.6}, {{18.4, 30}, 3.0}, {{12.6, 33}, 2.5}}), kCelesteT, 0.7, 0.4);
    Linee(p, Tratti({{{19.6, 25.4}, {20.4, 27}}, {{17, 30.4}, {17.8, 31.8}}}), kCelesteT.ombra);
    Mano(p, {12.6, 33.2});
    Forma(p, {{21.8, 22.2}, {25.5, 20.6}, {29.2, 22.2}, {25.5, 23.4}}, kLinoT, 0.4, 0);
    Volto(p, CentroViso(Seme::Coppe), -0.6);
    // The beret tilted back, a white plume sweeping down behind.
    const Profilo piuma{{27.5, 10}, {30, 6.5}, {34, 5}, {36.6, 6.4}, {36.4, 9.4}, {35, 7.6}, {31.5, 8.4}, {29, 10.8}};
    Forma(p, piuma, kLinoT, 0.6, 0);
    Linee(p, Tratti({{{28.6, 9.6}, {31.5, 6.8}, {34.5, 6.2}, {35.8, 8.2}}}), kLinoT.ombra);
    const Profilo berretto{{20.2, 12.4}, {21, 10}, {25, 8.6}, {29.8, 9.2}, {30.6, 11.2}, {26, 12.6}, {22.5, 12.9}};
    Forma(p, berretto, kRossoT, 0.8, 0.5);
    Linee(p, Tratti({{{21.6, 11.6}, {26, 11.2}, {29.6, 10.6}}}), kRossoT.ombra);
}

// The coin raised high at arm's length, a fist on the hip, a long coat.
void FanteDiDenari(QPainter &p)
{
    Pedana(p, Seme::Denari);
    Forma(p, ProfiloArto({{{16.8, 48}, 3.6}, {{16.2, 55.5}, 3.0}, {{15.6, 61.8}, 2.3}}), kRossoT, 0.7, 0.5);
    Forma(p, ProfiloArto({{{22.4, 48}, 3.6}, {{23.4, 55.5}, 3.0}, {{24.6, 61.8}, 2.3}}), kRossoT, 0.7, 0.5);
    Scarpa(p, {16.4, 62.8}, {12.6, 63.2});
    Scarpa(p, {24, 62.8}, {27.8, 63.2});
    Forma(p, {{16, 16}, {16.4, 12}, {19.5, 11}, {22.8, 12}, {23.2, 16}, {22.4, 19.2}, {16.6, 19.2}}, kCastanoT, 0.8,
          0.5);
    Forma(p, ProfiloArto({{{19.5, 19}, 2.8}, {{19.5, 22.5}, 2.8}}), kPelleT, 0.6, 0);
    // The coat, gathered at the waist and falling to the knee.
    const Profilo cappotto{{13.6, 22.6}, {19.5, 21.6}, {25.4, 22.4}, {26.2, 27.5}, {24.6, 33.6}, {28.6, 43},
                           {30.2, 50.8}, {20, 51.8},   {9.2, 50.8},  {11.4, 43},   {15, 33.6},   {13.4, 27.5}};
    Forma(p, cappotto, kVerdeT, 1.2, 0.6);
    Ombreggia(p, cappotto, {21, 21}, {25, 52}, kVerdeT.ombra, 60);
    Linee(p, Tratti({{{17.2, 36}, {14.8, 44}, {13.8, 50.6}}, {{22.6, 36}, {25, 44}, {26.2, 50.6}}}), kVerdeT.ombra,
          kTrattoFine);
    // A golden band down the front and round the hem, buttons, a red sash.
    Linee(p, Tratti({{{19.5, 22.4}, {19.5, 33}, {20, 51.2}}}), kOcraT.corpo, 1.1);
    Linee(p, Tratti({{{10.2, 50}, {20, 51}, {29.4, 50}}}), kOcraT.corpo, 0.9);
    Forma(p, ProfiloArto({{{15, 33.8}, 1.7}, {{24.6, 33.6}, 1.7}}), kRossoT, 0.4, 0.3);
    // The fist on the hip.
    Forma(p, ProfiloArto({{{14.2, 23.2}, 3.9}, {{9.2, 29.6}, 3.3}, {{13.8, 34.8}, 2.7}}), kVerdeT, 0.8, 0.5);
    Linee(p, Tratti({{{11.4, 25.8}, {12.8, 26.8}}, {{10.2, 31.2}, {11.6, 30.4}}}), kVerdeT.ombra);
    Mano(p, {14.2, 35.2});
    // The arm raised, the coin held up at its end.
    Forma(p, ProfiloArto({{{24.8, 23.2}, 3.9}, {{28.6, 18.2}, 3.3}, {{32.2, 14.4}, 2.7}}), kVerdeT, 0.8, 0.5);
    Linee(p, Tratti({{{26.4, 21.6}, {27.2, 22.8}}, {{29.4, 17.6}, {30, 18.8}}}), kVerdeT.ombra);
    Emblema(p, Seme::Denari, {34, 8.2}, 10.4, 0);
    Mano(p, {32.8, 13.8});
    Forma(p, {{15.8, 22.8}, {19.5, 21.2}, {23.2, 22.8}, {19.5, 24}}, kOcraT, 0.4, 0);
    Volto(p, CentroViso(Seme::Denari), 0.4);
    // A tall red cap with a golden brim.
    Forma(p, {{16, 13.5}, {16.2, 9}, {17.8, 6.2}, {21.5, 6.8}, {23, 9.5}, {23, 13.5}}, kRossoT, 0.9, 0.5);
    Linee(p, Tratti({{{18, 7.5}, {18.4, 12}}, {{20.8, 7.6}, {21.2, 12}}}), kRossoT.ombra);
    Forma(p, ProfiloArto({{{15.6, 12.8}, 1.6}, {{23.4, 12.8}, 1.6}}), kOcraT, 0.4, 0.3);
}

// The sword held point down at his side, the other hand on his hip under a
// short cape, a crested cap.
void FanteDiSpade(QPainter &p)
{
    Pedana(p, Seme::Spade);
    Forma(p, ProfiloArto({{{23, 44}, 3.8}, {{21.8, 53}, 3.2}, {{20.8, 61.6}, 2.4}}), kRossoT, 0.7, 0.5);
    Forma(p, ProfiloArto({{{27.8, 44}, 3.8}, {{29.4, 53}, 3.2}, {{30.8, 61.6}, 2.4}}), kRossoT, 0.7, 0.5);
    Scarpa(p, {20.8, 62.8}, {16.8, 63.2});
    Scarpa(p, {30.6, 62.8}, {34.2, 63.2});
    Forma(p, {{21.6, 15}, {22, 11}, {25.5, 10}, {29, 11}, {29.4, 15}, {28.6, 19}, {22.4, 19}}, kNeroT, 0.8, 0.5);
    Forma(p, ProfiloArto({{{25.5, 18}, 2.8}, {{25.5, 21.5}, 2.8}}), kPelleT, 0.6, 0);
    // Puffed breeches, paned.
    const Profilo calzoni{{20.2, 38}, {25.2, 37.4}, {30.6, 38},   {31.4, 44},
                          {28, 46.4}, {25.2, 44.6}, {22.6, 46.4}, {19.4, 44}};
    Forma(p, calzoni, kViolaT, 0.8, 0.5);
    QPainterPath liste;
    for (qreal x : {22.2, 24.4, 26.8, 29.0})
        liste.addPath(Taglio(x, 38.6, 45, 0.5));
    Riempi(p, liste, kOcraT.corpo, kViolaT.ombra, kTrattoInterno);
    const Profilo farsetto{{19.8, 22.4}, {25, 21.4},   {30.2, 22.4}, {30.6, 27}, {28.8, 33.6},
                           {30.2, 40.2}, {24.6, 41.4}, {19.2, 40.2}, {21, 33.6}, {19.6, 27}};
    Forma(p, farsetto, kOcraT);
    QPainterPath tagli;
    for (qreal x : {21.8, 24.0, 26.2})
        tagli.addPath(Taglio(x, 24, 31.6));
    Riempi(p, tagli, kRossoT.corpo, kOcraT.ombra, kTrattoInterno);
    Forma(p, ProfiloArto({{{21, 34}, 1.4}, {{29, 33.8}, 1.4}}), kMarroneT, 0.4, 0.3);
    Linee(p, Tratti({{{21.6, 35.2}, {20.2, 40}}, {{25, 35.2}, {24.8, 41.2}}}), kOcraT.ombra, kTrattoFine);
    // The arm down to the sword's grip.
    Forma(p, ProfiloArto({{{20.4, 23.2}, 3.6}, {{17.4, 30.2}, 3.0}, {{15.6, 36}, 2.6}}), kRossoT, 0.7, 0.5);
    Linee(p, Tratti({{{18.4, 26.4}, {19.6, 27.4}}, {{16.6, 31.6}, {17.8, 32.4}}}), kRossoT.ombra);
    Emblema(p, Seme::Spade, {14.6, 45.4}, 27, 180, Ornato::No, 0.8);
    Mano(p, {15.2, 36.6});
    // The short cape over the shoulder, the elbow of the hidden arm under it.
    const Profilo cappa{{24.5, 21.2}, {29, 21},   {32.5, 22.5}, {35.6, 27}, {37.2, 33},
                        {37.4, 41},   {33.5, 42}, {29.8, 41.2}, {28.4, 36}, {27.6, 28}};
    Forma(p, cappa, kViolaT, 1.2, 0.6);
    Linee(p, Tratti({{{28.6, 29}, {29.6, 36.5}, {30.8, 41}}}), kCelesteT.corpo, 0.9);
    Linee(p, Tratti({{{31, 25}, {33.2, 33}, {33.6, 40.6}}, {{33.6, 26.2}, {35.4, 33.4}, {35.6, 40.4}}}), kViolaT.ombra,
          kTrattoFine);
    Forma(p, {{21.8, 22.2}, {25.5, 20.6}, {29.2, 22.2}, {25.5, 23.4}}, kLinoT, 0.4, 0);
    Volto(p, CentroViso(Seme::Spade), -0.5);
    // The cap: a steel morion with a red crest.
    Forma(p, {{22.5, 8.2}, {23.5, 4.7}, {26.5, 4.0}, {28.8, 5.4}, {28.2, 8.0}}, kRossoT, 0.6, 0.4);
    Forma(p, {{21.4, 11.7}, {21.8, 8.4}, {25.5, 7.0}, {29.2, 8.4}, {29.6, 11.7}}, kAcciaioT, 0.8, 0.5);
    Forma(p, {{19.6, 10.6}, {25.5, 11.4}, {31.4, 10.6}, {30.8, 12.4}, {25.5, 12.6}, {20.2, 12.4}}, kAcciaioT, 0.5, 0.3);
}

} // namespace fanti

void Fante(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Bastoni:
        fanti::FanteDiBastoni(p);
        break;
    case Seme::Coppe:
        fanti::FanteDiCoppe(p);
        break;
    case Seme::Denari:
        fanti::FanteDiDenari(p);
        break;
    case Seme::Spade:
        fanti::FanteDiSpade(p);
        break;
    }
}

QRectF VisoDelFante(Seme seme)
{
    const QPointF c = fanti::CentroViso(seme);
    return QRectF(c.x() - 2, c.y() - 2.5, 4, 5);
}

} // namespace belvane::cardart
