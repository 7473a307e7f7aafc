// What the C++ runtime would write to a standard error, which a page does not have. The game
// calls no pure virtual function; should one be called, the module traps, as abort does.
extern "C" void __cxa_pure_virtual() {
    __builtin_trap();
}
