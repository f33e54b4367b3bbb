#include "engines/engine_setup.h"

EngineProtocol protocolOf(const EngineEntry& entry) {
    if (entry.protocol == QLatin1String("uci")) return EngineProtocol::UCI;
    if (entry.protocol == QLatin1String("ucci")) return EngineProtocol::UCCI;
    return EngineProtocol::AUTO;
}

bool startEngine(EngineClient& client, const EngineEntry& entry) {
    return client.start(entry.path, {}, protocolOf(entry));
}

void sendChosenOptions(EngineClient& client, const EngineEntry& entry) {
    for (auto it = entry.values.begin(); it != entry.values.end(); ++it) {
        const EngineOption* option = client.findOption(it.key());
        if (!option || programSetsOption(option->name) || option->type == EngineOption::BUTTON) continue;
        if (it.value() != option->defaultValue) client.setOption(option->name, it.value());
    }
}
