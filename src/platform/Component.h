// Components created by name, as COM creates them from a ProgID: a table of in-process
// factories, filled by registration or by loading the component's shared library on demand.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::platform {

inline constexpr int32_t kClassNotRegistered = static_cast<int32_t>(0x80040154u);  // REGDB_E_CLASSNOTREG
inline constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002u);         // E_NOINTERFACE

// What every component is: it hands out its interfaces by name, or none.
class IComponent {
public:
    virtual ~IComponent() = default;
    virtual void* QueryInterface(std::string_view interfaceName) = 0;
};

using ComponentFactory = std::function<std::unique_ptr<IComponent>()>;

// The C entry point a component library exports: a new component for the ProgID, or none.
// The caller owns the result.
extern "C" using ComponentEntryPoint = IComponent * (*)(const char* progId);
inline constexpr const char* kComponentEntryPointName = "OrvantaCreateComponent";

// Registers (or, with an empty factory, removes) an in-process factory; it wins over a library.
void RegisterComponent(const std::string& progId, ComponentFactory factory);

// The shared library file that serves a ProgID ("" when none is known).
std::string ComponentLibraryName(std::string_view progId);

// The folders component libraries are looked for in, in order: those of
// $ORVANTA_COMPONENT_PATH (':'-separated), the program's, ../lib/orvanta from it, the build tree's.
std::vector<std::string> ComponentSearchFolders();

// Creates the component: from a registered factory, else from its library, looked for in the
// folders of $ORVANTA_COMPONENT_PATH (':'-separated), next to the program, in ../lib/orvanta
// from the program, and in the build tree. 0, or kClassNotRegistered when nothing serves it.
int32_t CreateComponent(std::string_view progId, std::unique_ptr<IComponent>* component);

// Creates the component and asks it for an interface: 0, kClassNotRegistered or kNoInterface.
template <typename Interface>
int32_t CreateComponentInterface(std::string_view progId, std::string_view interfaceName,
                                 std::unique_ptr<IComponent>* component, Interface** result) {
    *result = nullptr;
    if (int32_t hr = CreateComponent(progId, component); hr != 0) return hr;
    *result = static_cast<Interface*>((*component)->QueryInterface(interfaceName));
    return *result ? 0 : kNoInterface;
}

// A COM failure that the caller cannot go on from (a component that could not be created).
class ComError : public std::exception {
public:
    ComError(int32_t code, std::string message) : m_code(code), m_message(std::move(message)) {}
    int32_t Code() const { return m_code; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    int32_t m_code;
    std::string m_message;
};

}  // namespace orvanta::platform
