-- Added with msibuild to the MSI that wixl makes from korvelt.wxs: one query a line.
-- .dat's own type, read from the 64-bit registry before anything is installed: a program that
-- has it keeps it, and this one is then offered only under "Open with". On uninstall .dat
-- loses the program's type only while it is still the program's.
INSERT INTO `RegLocator` (`Signature_`, `Root`, `Key`, `Type`) VALUES ('DatType', 2, 'Software\Classes\.dat', 18)
INSERT INTO `AppSearch` (`Property`, `Signature_`) VALUES ('DATTYPE', 'DatType')
INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('AppSearch', 50)
INSERT INTO `InstallUISequence` (`Action`, `Sequence`) VALUES ('AppSearch', 50)
-- A component whose condition is false on uninstall stays behind, hence the REMOVE.
UPDATE `Component` SET `Condition` = 'FILETYPE = "1" OR REMOVE = "ALL"' WHERE `Component` = 'FileTypeProgId'
UPDATE `Component` SET `Condition` = 'FILETYPE = "1" AND (NOT DATTYPE OR DATTYPE = "KORVELT.Schedule")' WHERE `Component` = 'FileTypeDefault'
-- The bin folder at the end of the system's PATH, taken off again on uninstall.
UPDATE `Component` SET `Condition` = 'ADDTOPATH = "1" OR REMOVE = "ALL"' WHERE `Component` = 'Path'
CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)
INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('PathEntry', '=-*PATH', '[~];[INSTALLDIR]bin', 'Path')
INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)
INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)
-- The two properties reach the installation when an administrator gives them.
UPDATE `Property` SET `Value` = 'WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;FILETYPE;ADDTOPATH' WHERE `Property` = 'SecureCustomProperties'
