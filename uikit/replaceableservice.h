#pragma once
// The slot behind each replaceable service: the real implementation unless a test
// installed another. UI thread only.

namespace uikit {

template <typename Interface, typename Real>
class ReplaceableService {
public:
    static Interface& instance()
    {
        static Real real;
        return s_installed ? *s_installed : real;
    }
    // Installs service (not owned); nullptr restores the real one.
    static void install(Interface* service) { s_installed = service; }

    // Installs a service for the installer's life.
    class Installer {
    public:
        explicit Installer(Interface& service) { install(&service); }
        ~Installer() { install(nullptr); }
        Installer(const Installer&) = delete;
        Installer& operator=(const Installer&) = delete;
    };

private:
    static inline Interface* s_installed = nullptr;
};

} // namespace uikit
