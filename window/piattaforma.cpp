#include "piattaforma.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace belvane {

void PreparaPiattaforma()
{
    // On X11, Qt shares the window's pixels with the server through a
    // shared-memory segment, and makes a new one each time the window grows:
    // its first paint then faults in every page, which was most of each
    // frame of a drag (up to 20 ms of the window's thread). Through the
    // socket a frame takes 2 to 4 ms; the cards change a few small areas at
    // a time, where sharing gains nothing.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void TieniLaMemoria()
{
#if defined(__GLIBC__)
    // glibc maps each block above a threshold on its own and unmaps it when
    // freed, and gives back free memory at the heap's end beyond another:
    // both raised so that a window's pixels (8 MiB at 1920 x 1080) and the
    // card pictures are taken from memory already in use.
    constexpr int kBloccoProprio = 32 << 20; // glibc's largest allowed threshold
    constexpr int kRestituzione = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, kBloccoProprio);
    mallopt(M_TRIM_THRESHOLD, kRestituzione);
    // Room at the heap's end, reserved now and written only when used, where
    // the system may give memory two megabytes at a time: the window's
    // pixels at a new size are then a few faults instead of one per 4 KiB
    // page (on a virtual machine each costs about 10 us, and a large window
    // has a thousand pages).
    constexpr std::size_t kRiserva = 24 << 20;
    constexpr std::uintptr_t kPaginaGrande = 2 << 20;
    void *riserva = std::malloc(kRiserva);
    if (!riserva)
        return;
    const auto inizio = (reinterpret_cast<std::uintptr_t>(riserva) + kPaginaGrande - 1) & ~(kPaginaGrande - 1);
    const auto fine = reinterpret_cast<std::uintptr_t>(riserva) + kRiserva;
    std::free(riserva);
    if (fine > inizio)
        madvise(reinterpret_cast<void *>(inizio), fine - inizio, MADV_HUGEPAGE);
#endif
}

} // namespace belvane
