// Program start: the layer's own options, the backend, the instance and its resources, the
// registered values scripts read, the clock, and the end of the run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/core/core.h"

namespace platform {

namespace {

std::map<std::string, std::function<long long()>, std::less<>>& Values() {
  static std::map<std::string, std::function<long long()>, std::less<>> values;
  return values;
}

}  // namespace

namespace detail {

Backend* CurrentBackend() {
  return Core().backend;
}

Instance* StartLayer(Backend* backend, const ResourceTable& resources,
                     const ProgramOptions& options) {
  if (Core().backend) ShutdownLayer();
  auto& c = Core();
  c.backend = backend;
  c.options = options;
  auto instance = std::make_unique<Instance>();
  instance->resources = resources;
  Instance* result = instance.get();
  c.instances.push_back(std::move(instance));
  ResetLanguage();
  InitFonts();
  return result;
}

void ShutdownLayer() {
  auto& c = Core();
  Backend* backend = c.backend;
  const bool started = backend != nullptr || !c.windows.empty() || !c.instances.empty();
  ResetCore();
  ResetLanguage();
  Values().clear();
  if (started) ShutdownDrawing();
  delete backend;
}

}  // namespace detail

using detail::Core;

const ProgramOptions& Options() {
  return Core().options;
}

std::string LoadString(Instance* instance, int id) {
  if (!instance) return std::string();
  for (const StringResource& s : instance->resources.strings) {
    if (s.id == id) return std::string(Translate(s.text));
  }
  return std::string();
}

const DialogTemplate* FindDialogTemplate(Instance* instance, std::string_view name) {
  if (!instance) return nullptr;
  for (const DialogTemplate& tpl : instance->resources.dialogs) {
    if (tpl.name == name) return &tpl;
  }
  return nullptr;
}

std::uint64_t TickCount() {
  if (detail::Backend* backend = Core().backend) return backend->NowMs();
  using namespace std::chrono;
  return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void RegisterValue(std::string name, std::function<long long()> getter) {
  Values()[std::move(name)] = std::move(getter);
}

std::optional<long long> ReadRegisteredValue(std::string_view name) {
  auto& values = Values();
  auto it = values.find(name);
  if (it == values.end() || !it->second) return std::nullopt;
  return it->second();
}

void PlaySound(std::string_view fileName, bool async) {
  if (detail::Backend* backend = Core().backend) backend->PlaySound(fileName, async);
}

std::string CurrentSound() {
  detail::Backend* backend = Core().backend;
  return backend ? backend->CurrentSound() : std::string();
}

}  // namespace platform
