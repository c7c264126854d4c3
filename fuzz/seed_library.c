/* The smallest plug-in-shaped library: the ELF fuzzer's seed, with the
   plug-in's resources added as .rsrc after the link. */
int PluginMain(const char* caller, const char* selector, void* message)
{
    (void)caller;
    (void)selector;
    (void)message;
    return 0;
}
