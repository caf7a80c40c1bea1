#pragma once

#include "content/contentlocator.h"

#include <QStringList>

namespace tildora {

// What Tildora needs from its content tree and does not find: the content
// folders, at least one exercise file (bundled or in the teacher's own
// folder). Each entry is one sentence for the teacher; empty when all is there.
QStringList missingContent(const ContentLocator &locator, const QString &userExercises = {});

// Whether Qt can play animated GIFs; a sentence for the teacher when not.
// Looking costs a scan of Qt's image plugins, so it is done after start-up.
QStringList missingGifSupport();

} // namespace tildora
