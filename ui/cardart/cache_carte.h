#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace belvane::cardart {

// The forty pictures at one size, drawn at once on worker threads: a resize
// asks for every card together, and one card takes about a millisecond.
// A new size stops a drawing not yet done.
//
// Threads: `lavoratori` workers, started at the first drawing and kept,
// waiting without CPU, until the destructor joins them: a new size then
// starts no thread. Each drawing is a `Lavoro` of its own, shared by the
// owner and the workers on it: a worker draws whole cards into its own
// slots of the pictures, taking the next code from `prossimo`, and takes no
// lock but `mutex_`, to take up the next drawing and to wake a helper. The
// owner never waits for a worker: a stopped drawing is left to the workers
// still on it, who finish the card in hand (which may be recording its
// scene, disegno_carte.h) and drop it. The owner reads the pictures only in
// Raccogli, once all forty are drawn. Aiuta lets the owner's thread draw
// beside the workers.
class DisegnoInSerie {
public:
    explicit DisegnoInSerie(std::function<void()> finito = {}, int lavoratori = 2)
        : finito_(std::move(finito)), quanti_(std::max(1, lavoratori))
    {
    }
    ~DisegnoInSerie();
    DisegnoInSerie(const DisegnoInSerie &) = delete;
    DisegnoInSerie &operator=(const DisegnoInSerie &) = delete;

    // Starts drawing codes 1..40 at this size on the workers; stops a
    // drawing in progress first. `finito` is called on the worker's thread
    // that drew the fortieth (and not when a helper drew it: Aiuta then
    // returns true).
    void Avvia(QSize logica, qreal rapporto);
    // The calling thread draws beside the workers until all forty are there
    // or `fino` has come; true if they are all there. While any card's scene
    // is still to be recorded it neither draws nor waits, and returns false.
    bool Aiuta(std::chrono::steady_clock::time_point fino);
    // Stops the drawing in progress, without waiting for the workers.
    void Interrompi();
    bool InCorso() const { return inCorso_; }
    QSize Dimensione() const { return dimensione_; }
    qreal Rapporto() const { return rapporto_; }
    // Hands over the pictures, index 0 for code 1; empty while a worker
    // still draws or after a stop.
    std::vector<QImage> Raccogli();

private:
    struct Lavoro {
        QSize dimensione;
        qreal rapporto = 0;
        std::vector<QImage> immagini;
        std::atomic<int> prossimo{0};
        std::atomic<int> fatti{0};
        std::atomic<bool> stop{false};
    };
    enum class Chi { Lavoratore, Aiutante };
    void Lavora();
    void Disegna(Lavoro &lavoro, int i, Chi chi);

    std::function<void()> finito_;
    int quanti_;
    QSize dimensione_;
    qreal rapporto_ = 0;
    bool inCorso_ = false; // the owner's: started, neither collected nor stopped
    std::mutex mutex_;
    std::condition_variable tutti_;    // a fortieth is done
    std::condition_variable daFare_;   // a drawing to take up, or the end
    std::shared_ptr<Lavoro> corrente_; // written by the owner with mutex_; read by workers with it
    uint64_t serie_ = 0;               // counts the drawings started; with mutex_
    bool fine_ = false;                // the workers leave; with mutex_
    std::vector<std::jthread> lavoratori_;
};

// Card pictures for the window at the size it shows them. Each code is drawn
// once per size and device pixel ratio; the pictures of the last two sizes
// used are kept, so going back and forth during a drag draws nothing again.
// A third size lets go of the older one as its drawing starts.
// At the pictures' own size (45 x 72, ratio 1) the embedded bitmaps are used
// as they are.
class CacheCarte {
public:
    // `pronte` is called on a worker thread when a drawing asked with
    // Richiedi has finished; the caller then calls Raccogli on its own thread.
    explicit CacheCarte(std::function<void()> pronte = {});
    ~CacheCarte();
    CacheCarte(const CacheCarte &) = delete;
    CacheCarte &operator=(const CacheCarte &) = delete;

    // Records the forty cards' scenes on a thread of its own, joined with
    // the cache, so that a first resize only fills them: recording is most
    // of what a size costs the first time. Call it when the player cannot
    // feel it; it does nothing if they are recorded or being recorded.
    void Preregistra();

    // Never null and never throws: a code outside 1..40, or a bitmap that
    // cannot be loaded, gives a white card with a red cross and the code.
    // The pixmap carries `devicePixelRatio`.
    QPixmap Pixmap(int code, QSize logicalSize, qreal devicePixelRatio);
    // Whether Pixmap would return at once, without drawing.
    bool Pronta(int code, QSize logicalSize, qreal devicePixelRatio) const;
    // True when all forty are there at this size; otherwise starts drawing
    // them in the background (unless that is under way already).
    bool Richiedi(QSize logicalSize, qreal devicePixelRatio);
    // The calling thread draws beside the workers until the drawing under way
    // is done or `fino` has come; true if it was done and taken in.
    bool Completa(std::chrono::steady_clock::time_point fino);
    // Takes in a finished background drawing; true if one was taken.
    bool Raccogli();

    static constexpr int kSerieTenute = 2;
    static constexpr int kLavoratori = 2; // the cores of the machines we aim at

private:
    struct Serie {
        QSize dimensione;
        qreal rapporto = 0;
        std::map<int, QPixmap> pixmap;
    };
    const Serie *Trova(QSize logica, qreal rapporto) const;
    // The series of this size, made if missing, moved to the front.
    Serie &Crea(QSize logica, qreal rapporto);

    std::deque<Serie> serie_;   // most recent first
    std::jthread registratore_; // records the forty scenes, then ends; touches nothing of the cache
    DisegnoInSerie disegno_;    // declared last: its workers are joined first
};

// The picture of one card at a size, drawn from the vector art (or the
// embedded bitmap at its natural size); a null image when it cannot be had.
// Safe on any thread.
QImage DisegnaImmagine(int code, QSize logicalSize, qreal devicePixelRatio);

// The picture shown in place of a card that cannot be drawn.
QPixmap CartaDiRiserva(int code, QSize logicalSize, qreal devicePixelRatio);

} // namespace belvane::cardart
