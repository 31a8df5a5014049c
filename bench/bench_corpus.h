#pragma once
// The benchmark's pictures, made afresh each run: photograph-like content
// (gradients, soft shapes, fine noise) so codecs work as hard as on real ones.

#include <QImage>
#include <QString>
#include <QStringList>

namespace quiverel::bench {

QImage photoLike(int width, int height, quint32 seed);

// Processor seconds used so far by this process (all threads), and by its
// waited-for children when asked.
double cpuSeconds(bool withChildren = false);

// Writes `count` pictures of the size as `<folder>/<prefix>NNN.<suffix>`; the paths.
QStringList writeCorpus(const QString& folder, const QString& prefix, const QString& suffix,
                        int count, int width, int height);

} // namespace quiverel::bench
