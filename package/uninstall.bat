@echo off
rem Removes the Vortan.Bar add-on for the current user. This script is installed
rem beside VortanBar.dll and VortanBarSetup.exe and may be started from that folder
rem or from anywhere else. Run again after a removal, it changes nothing.
rem Kept to ASCII with CRLF line ends, so that no code page can garble it.

set "VB_DIR=%~dp0"
set "VB_DIR=%VB_DIR:~0,-1%"
set "VB_SELF=%~f0"
set "VB_SYS=%SystemRoot%\System32"

rem The add-on's registration, silently. The system's tool by its full path, so
rem that no regsvr32 planted in the current folder runs instead.
if exist "%VB_DIR%\VortanBar.dll" "%VB_SYS%\regsvr32.exe" /u /s "%VB_DIR%\VortanBar.dll"

rem The product's settings, then the company key if nothing else is left in it.
"%VB_SYS%\reg.exe" delete "HKCU\SOFTWARE\Dremvik\VortanBar" /f >nul 2>&1
"%VB_SYS%\reg.exe" query "HKCU\SOFTWARE\Dremvik" >nul 2>&1
if errorlevel 1 goto files
rem Any line but the key's own name is a value or a subkey. Delayed expansion
rem compares the lines without letting their contents be parsed as commands.
set "VB_LEFT="
setlocal EnableDelayedExpansion
for /f "delims=" %%L in ('%VB_SYS%\reg.exe query "HKCU\SOFTWARE\Dremvik" 2^>nul') do (
    set "VB_LINE=%%L"
    if /i not "!VB_LINE!"=="HKEY_CURRENT_USER\SOFTWARE\Dremvik" set "VB_LEFT=1"
)
endlocal & set "VB_LEFT=%VB_LEFT%"
if not defined VB_LEFT "%VB_SYS%\reg.exe" delete "HKCU\SOFTWARE\Dremvik" /f >nul 2>&1

:files
del /f /q "%VB_DIR%\VortanBar.dll" >nul 2>&1
del /f /q "%VB_DIR%\VortanBarSetup.exe" >nul 2>&1
if exist "%VB_DIR%\VortanBar.dll" goto busy
if exist "%VB_DIR%\VortanBarSetup.exe" goto busy

rem Last this script and the folder. A running script cannot delete itself under
rem every interpreter (Wine's cmd keeps it open), and a folder cannot go while a
rem process still has it as its current folder, so a detached helper retries both
rem for a while. It stops once the folder is gone, or once only things that are
rem not ours are left in it. `start` may drop quotes inside the helper's command
rem line, so that has none: the helper takes the quote character and the paths
rem from the environment it inherits.
set VB_Q="
if /i "%CD%"=="%VB_DIR%" cd /d "%VB_DIR%\.."
start "" /min /d "%VB_DIR%\.." "%VB_SYS%\cmd.exe" /d /s /c "for /l %%i in (1 1 20) do ((del /f /q %%VB_Q%%%%VB_SELF%%%%VB_Q%% >nul 2>&1) & (rd %%VB_Q%%%%VB_DIR%%%%VB_Q%% >nul 2>&1) & (if not exist %%VB_Q%%%%VB_DIR%%%%VB_Q%% exit 0) & (if not exist %%VB_Q%%%%VB_SELF%%%%VB_Q%% for /f %%f in ('dir /b /a %%VB_Q%%%%VB_DIR%%%%VB_Q%% 2^>nul') do exit 0) & %VB_SYS%\ping.exe -n 2 127.0.0.1 >nul)" & set "VB_DIR=" & set "VB_SELF=" & set "VB_SYS=" & set "VB_Q=" & set "VB_LEFT=" & exit /b 0

:busy
echo VortanBar.dll or VortanBarSetup.exe is in use and could not be removed.
echo Close Internet Explorer and the setup program, then run uninstall.bat again.
set "VB_DIR=" & set "VB_SELF=" & set "VB_SYS=" & set "VB_LEFT="
exit /b 1
