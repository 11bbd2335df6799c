#include "GameFactory.h"

#include "DblKlondikeWindow.h"
#include "KlondikeWindow.h"

#include <functional>
#include <utility>

namespace {
using Creator = TGameForm* (*)(QWidget*);

template <class Form> TGameForm* Make(QWidget* parent) { return new Form(parent); }

const std::pair<const char*, Creator> kForms[] = {
    {"TKlondikeForm", &Make<TKlondikeForm>},
    {"TsKlondikeForm", &Make<TsKlondikeForm>},
    {"TDblKlondikeForm", &Make<TDblKlondikeForm>},
    {"TsDblKlondikeForm", &Make<TsDblKlondikeForm>},
};
} // namespace

TGameForm* CreateGameForm(const QString& className, QWidget* parent) {
    for (const auto& [name, create] : kForms)
        if (className == QLatin1String(name)) return create(parent);
    return nullptr;
}

QStringList GameFormClasses() {
    QStringList names;
    for (const auto& entry : kForms) names << QLatin1String(entry.first);
    return names;
}
