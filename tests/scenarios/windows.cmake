# The scenarios in the Windows build. Where a scenario's setting or outcome differs on Windows for
# a reason of the platform, x.windows.reg or x.windows.expect.json beside it takes the place of
# x.reg or x.expect.json:
#   sysinfo_path_started, sysinfo_path_with_nul, sysinfo_alt_s: the program the registry names is
#     Windows' own rundll32.exe, which starts and ends at once as /bin/true does elsewhere.
#   sysinfo_folder_with_backslash: the folder that exists and ends with a backslash is
#     C:\Windows\ instead of /bin\.

# Scenarios that cannot hold on Windows for a reason of the platform, each with a comment that
# gives the reason; ctest lists them as disabled. None so far.
set(QUILLBIT_SCENARIOS_SKIPPED_ON_WINDOWS
)
