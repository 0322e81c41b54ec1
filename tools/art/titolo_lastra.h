// The medallion's pixels as a plate: lines cut into it one by one, each
// laid on whole pixels so that it never breaks into dots at the picture's
// own size, however it turns.
#pragma once

#include <QPointF>

#include <functional>
#include <vector>

namespace titolo {

class Lastra {
public:
    Lastra(int larghezza, int altezza);

    // How much ink pixel (x, y) holds: 0 paper, 1 full.
    double Inchiostro(int x, int y) const;
    // Inks pixel (x, y) by a, over what it holds already; outside the plate, nothing.
    void Inchiostra(int x, int y, double a);
    // Leaves pixel (x, y) clean paper, whatever is cut or ruled over it: a
    // light scraped back out of the ink.
    void Risparmia(int x, int y);
    bool Risparmiato(int x, int y) const;

    // A line cut along `asse` (the sitter's units, t from 0 to 1), `spessore(t)`
    // pixels of ink across it: one pixel on each step of its way, none doubled
    // at its turns; below one pixel wide it prints lighter, above it swells
    // into the neighbour on the side its middle lies towards.
    void Solco(const std::function<QPointF(double)> &asse, const std::function<double(double)> &spessore);

private:
    int larghezza_, altezza_;
    std::vector<float> inchiostro_;
    std::vector<bool> risparmio_;
};

// How much ink pixel takes from a family of parallel lines: `fase` their
// phase at its centre (whole numbers on the lines) and (gx, gy) how fast it
// runs per pixel, `quota` the share of the spacing the lines cover. Each line
// is laid on whole pixels, one to each step of its way however it turns (a
// pixel is on it when the line crosses the diamond inscribed in it), so it
// never breaks into dots nor doubles; narrower than a pixel it prints
// lighter, wider it swells first into the neighbour on the side it lies
// towards, never so far that it closes the paper before the next line.
double Riga(double fase, double gx, double gy, double quota);

} // namespace titolo
