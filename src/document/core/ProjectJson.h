#pragma once
// A project as JSON, every field under its own name: what `plakatorium-batch info`
// prints, for scripts and for tests from outside.

#include "document/core/Project.h"

#include <QJsonObject>

namespace plk {

QJsonObject projectToJson(const Project& project);

}  // namespace plk
