#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Patches of ink, touching corners counting as touching: each pixel's patch
// number, 0 where there is no ink, then 1, 2, ... in reading order.
template <typename Inchiostro> std::vector<int> NumeraMacchie(const QImage &img, Inchiostro inchiostro)
{
    const int w = img.width(), h = img.height();
    std::vector<int> chi(size_t(w * h), 0);
    int n = 0;
    for (int i = 0; i < w * h; ++i) {
        if (chi[size_t(i)] || !inchiostro(i % w, i / w))
            continue;
        chi[size_t(i)] = ++n;
        std::vector<int> pila{i};
        while (!pila.empty()) {
            const int j = pila.back();
            pila.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = j % w + dx, y = j / w + dy;
                    if (x < 0 || y < 0 || x >= w || y >= h || chi[size_t(y * w + x)] || !inchiostro(x, y))
                        continue;
                    chi[size_t(y * w + x)] = n;
                    pila.push_back(y * w + x);
                }
        }
    }
    return chi;
}

// The box round each patch, in the order of the patches' numbers.
inline std::vector<QRect> Riquadri(const std::vector<int> &chi, int w)
{
    std::vector<QRect> riquadri;
    for (int i = 0; i < int(chi.size()); ++i) {
        if (!chi[size_t(i)])
            continue;
        if (size_t(chi[size_t(i)]) > riquadri.size())
            riquadri.resize(size_t(chi[size_t(i)]));
        riquadri[size_t(chi[size_t(i)] - 1)] |= QRect(i % w, i / w, 1, 1);
    }
    return riquadri;
}
