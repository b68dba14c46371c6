#include "app/catalogue_tables.h"
#include "engine/error_report.h"

namespace vokabi::catalogue {

namespace {

constexpr MessageEntry kMessages[] = {
    {msg::kNone, {"", "", "", "", "", "", ""}},
    {msg::kNoSettings,
     {
         "Не може да вземе настройките на речника.",
         "Could not get dictionary settings.",
         "Impossible de lire les paramиtres du dictionnaire.",
         "Die Wцrterbucheinstellungen konnten nicht gelesen werden.",
         "No se pudieron leer los ajustes del diccionario.",
         "Impossibile leggere le impostazioni del dizionario.",
         "Не удалось получить настройки словаря.",
     }},
    {msg::kMissingFile,
     {
         "Липсва необходим речников файл.",
         "Missing dictionary file.",
         "Fichier de dictionnaire manquant.",
         "Eine Wцrterbuchdatei fehlt.",
         "Falta un archivo del diccionario.",
         "File del dizionario mancante.",
         "Словарный файл не найден.",
     }},
    {msg::kCannotTranslate,
     {
         "Не може да преведе посочената дума.",
         "Could not translate this word/phrase.",
         "Impossible de traduire ce mot.",
         "Dieses Wort konnte nicht ьbersetzt werden.",
         "No se pudo traducir esta palabra.",
         "Impossibile tradurre questa parola.",
         "Не удалось перевести это слово.",
     }},
    {msg::kNoWord,
     {
         "Няма въведена дума за превод.",
         "There are no word/phrase for translation.",
         "Aucun mot n'a йtй saisi pour la traduction.",
         "Es wurde kein Wort zum Ьbersetzen eingegeben.",
         "No hay ninguna palabra para traducir.",
         "Nessuna parola da tradurre.",
         "Не введено слово для перевода.",
     }},
    {msg::kNotFound,
     {
         "Въведената дума не е открита.",
         "Entered word/phrase not found.",
         "Le mot saisi est introuvable.",
         "Das eingegebene Wort wurde nicht gefunden.",
         "No se encontrу la palabra introducida.",
         "La parola inserita non и stata trovata.",
         "Введённое слово не найдено.",
     }},
    {msg::kNotCompleted,
     {
         "Думата не може да бъде довършена.",
         "Word could not be completed.",
         "Impossible de complйter le mot.",
         "Das Wort konnte nicht ergдnzt werden.",
         "No se pudo completar la palabra.",
         "Impossibile completare la parola.",
         "Не удалось дополнить слово.",
     }},
    {msg::kHistoryStepFailed,
     {
         "Не може да бъде показана предишната преведена дума.",
         "Could not show previous translated word.",
         "Impossible d'afficher le mot traduit prйcйdent.",
         "Das vorherige ьbersetzte Wort konnte nicht angezeigt werden.",
         "No se pudo mostrar la palabra traducida anterior.",
         "Impossibile mostrare la parola tradotta precedente.",
         "Не удалось показать предыдущее переведенное слово.",
     }},
    {msg::kBaseError,
     {
         "Грешка в речниковата база, преинсталирайте базите с думи.",
         "Error in dictionary base, please reinstall base.",
         "Erreur dans la base du dictionnaire, veuillez rйinstaller la base.",
         "Fehler in der Wцrterbuchdatenbank, bitte installieren Sie sie neu.",
         "Error en la base del diccionario, vuelva a instalar la base.",
         "Errore nella base del dizionario, reinstallare la base.",
         "Ошибка в базе словаря, пожалуйста, переустановите базу.",
     }},
    {msg::kVersionMismatch,
     {
         "Разминаване във версиите на речниковата база, преинсталирайте базите с думи.",
         "File version error. Please reinstall base.",
         "Erreur de version du fichier. Veuillez rйinstaller la base.",
         "Falsche Dateiversion. Bitte installieren Sie die Datenbank neu.",
         "Error de versiуn del archivo. Vuelva a instalar la base.",
         "Errore di versione del file. Reinstallare la base.",
         "Ошибка версии файла. Пожалуйста, переустановите базу.",
     }},
    {msg::kNoBases,
     {
         "Няма инсталирани речникови бази.",
         "There are no installed dictionary bases.",
         "Aucune base de dictionnaire n'est installйe.",
         "Es sind keine Wцrterbuchdatenbanken installiert.",
         "No hay ninguna base de diccionario instalada.",
         "Nessuna base del dizionario installata.",
         "Нет установленных баз словаря.",
     }},
    {msg::kRegistryOpenFailed,
     {
         "Не може да отвори регистъра.",
         "Error while trying to open registry.",
         "Erreur lors de l'ouverture du registre.",
         "Fehler beim Цffnen der Registrierung.",
         "Error al intentar abrir el registro.",
         "Errore durante l'apertura del registro.",
         "Ошибка при открытии реестра.",
     }},
    {msg::kListFromOtherBase,
     {
         "Списъкът с думите е от друг речник и избраната дума не е открита. Моля, превключете "
         "речниците, за да преведете думата.",
         "List with words is from other dictionary and selected word was not found. Please switch "
         "dictionary to translate word.",
         "La liste vient d'un autre dictionnaire et le mot choisi n'a pas йtй trouvй. Veuillez "
         "changer de dictionnaire pour traduire le mot.",
         "Die Liste stammt aus einem anderen Wцrterbuch, und das gewдhlte Wort wurde nicht "
         "gefunden. Bitte wechseln Sie das Wцrterbuch, um das Wort zu ьbersetzen.",
         "La lista es de otro diccionario y la palabra seleccionada no se encontrу. Cambie de "
         "diccionario para traducir la palabra.",
         "L'elenco proviene da un altro dizionario e la parola selezionata non и stata trovata. "
         "Cambiare dizionario per tradurre la parola.",
         "Список слов взят из другого словаря, и выбранное слово не найдено. Пожалуйста, "
         "переключите словарь, чтобы перевести слово.",
     }},
    {msg::kBadLanguageIndex,
     {
         "Некоректен индекс на езика на речника (LangID; Return Function Ezik_to_CharSet) ! ",
         "Incorrect index of dictionary (LangID; Return Function Ezik_to_CharSet) ! ",
         "Index de langue du dictionnaire incorrect (LangID ; Return Function Ezik_to_CharSet) ! ",
         "Falscher Sprachindex des Wцrterbuchs (LangID; Return Function Ezik_to_CharSet)! ",
         "ЎНndice de idioma del diccionario incorrecto (LangID; Return Function Ezik_to_CharSet)! ",
         "Indice di lingua del dizionario errato (LangID; Return Function Ezik_to_CharSet)! ",
         "Неправильный индекс языка словаря (LangID; Return Function Ezik_to_CharSet)! ",
     }},
    {msg::kFontLacksLetters,
     {
         "Внимание! Избраният шрифт не поддържа\r\n"
         "коректно визуализиране на заложения език на речника.\r\n"
         "Моля, изберете друг шрифт или език.",
         "Attention! Selected font not support\r\n"
         "correct visualisation of selected language.\r\n"
         "Please choose other font or language.",
         "Attention ! La police choisie ne permet pas\r\n"
         "d'afficher correctement la langue choisie.\r\n"
         "Veuillez choisir une autre police ou langue.",
         "Achtung! Die gewдhlte Schrift kann die gewдhlte\r\n"
         "Sprache nicht richtig darstellen.\r\n"
         "Bitte wдhlen Sie eine andere Schrift oder Sprache.",
         "ЎAtenciуn! La fuente seleccionada no permite\r\n"
         "mostrar correctamente el idioma seleccionado.\r\n"
         "Elija otra fuente u otro idioma.",
         "Attenzione! Il carattere selezionato non consente\r\n"
         "di visualizzare correttamente la lingua selezionata.\r\n"
         "Scegliere un altro carattere o un'altra lingua.",
         "Внимание! Выбранный шрифт не поддерживает\r\n"
         "правильное отображение выбранного языка.\r\n"
         "Пожалуйста, выберите другой шрифт или язык.",
     }},
    {msg::kPrinterMissing,
     {
         "Внимание! Настроеният принтер не е открит! \r\n"
         "Моля, изберете нов принтер от менюто с настройки.",
         "Attention! Selected printer not found! \r\n"
         "Please choose new printer from setup menu.",
         "Attention ! L'imprimante choisie est introuvable ! \r\n"
         "Veuillez choisir une autre imprimante dans les paramиtres.",
         "Achtung! Der gewдhlte Drucker wurde nicht gefunden! \r\n"
         "Bitte wдhlen Sie in den Einstellungen einen neuen Drucker.",
         "ЎAtenciуn! ЎNo se encontrу la impresora seleccionada! \r\n"
         "Elija una impresora nueva en los ajustes.",
         "Attenzione! La stampante selezionata non и stata trovata! \r\n"
         "Sceglierne una nuova nelle impostazioni.",
         "Внимание! Выбранный принтер не найден! \r\n"
         "Пожалуйста, выберите новый принтер в настройках.",
     }},
    {msg::kPrintFailed,
     {
         "Не може да отпечата думата и превода!",
         "Could not print word/phrase and translation!",
         "Impossible d'imprimer le mot et sa traduction !",
         "Wort und Ьbersetzung konnten nicht gedruckt werden!",
         "ЎNo se pudieron imprimir la palabra y su traducciуn!",
         "Impossibile stampare la parola e la traduzione!",
         "Не удалось напечатать слово и перевод!",
     }},
    {msg::kNothingToPrint,
     {
         "Няма превод за отпечатване. Действието е отменено.",
         "There are no translation to print. Action canceled.",
         "Aucune traduction а imprimer. Action annulйe.",
         "Keine Ьbersetzung zum Drucken. Vorgang abgebrochen.",
         "No hay ninguna traducciуn para imprimir. Acciуn cancelada.",
         "Nessuna traduzione da stampare. Azione annullata.",
         "Нет перевода для печати. Действие отменено.",
     }},
    {msg::kNotAnEntry,
     {
         "На тази позиция няма дума от речника.",
         "There is no entry at this position.",
         "Il n'y a aucune entrйe а cette position.",
         "An dieser Stelle beginnt kein Eintrag.",
         "No hay ninguna entrada en esta posiciуn.",
         "Non c'и nessuna voce in questa posizione.",
         "В этой позиции нет словарной статьи.",
     }},
    {msg::kSettingsNotSaved,
     {
         "Настройките не можаха да бъдат записани; запазени са предишните.",
         "The settings could not be saved; the ones saved before are kept.",
         "Les rйglages n'ont pas pu кtre enregistrйs ; les prйcйdents sont conservйs.",
         "Die Einstellungen konnten nicht gespeichert werden; die vorherigen bleiben erhalten.",
         "No se pudo guardar la configuraciуn; se conserva la anterior.",
         "Non и stato possibile salvare le impostazioni; restano quelle precedenti.",
         "Не удалось сохранить настройки; сохранены прежние.",
     }},
    {msg::kReadOnlySettings,
     {
         "Папката с настройките е само за четене: програмата работи със записаните настройки, но "
         "промените няма да бъдат запазени.",
         "The settings folder is read-only: the program runs with the stored settings, but changes "
         "will not be kept.",
         "Le dossier des rйglages est en lecture seule : le programme utilise les rйglages "
         "enregistrйs, mais les modifications ne seront pas conservйes.",
         "Der Ordner der Einstellungen ist schreibgeschьtzt: Das Programm nutzt die gespeicherten "
         "Einstellungen, Дnderungen werden aber nicht gespeichert.",
         "La carpeta de configuraciуn es de solo lectura: el programa usa la configuraciуn "
         "guardada, pero los cambios no se conservarбn.",
         "La cartella delle impostazioni и di sola lettura: il programma usa le impostazioni "
         "salvate, ma le modifiche non saranno conservate.",
         "Папка настроек доступна только для чтения: программа работает с сохранёнными "
         "настройками, но изменения не будут сохранены.",
     }},
    {msg::kLauncherRefusesPath,
     {
         "Пътят до програмата не може да бъде записан така, че системата да я стартира: програмата "
         "няма да се стартира със сесията. Преместете я в папка, чийто път не съдържа знака % и "
         "управляващи знаци.",
         "The program's path cannot be written so that the desktop starts it: the program will not "
         "start with the session. Move it to a folder whose path holds no % sign and no control "
         "characters.",
         "Le chemin du programme ne peut pas кtre йcrit de faзon que le bureau le lance : le "
         "programme ne dйmarrera pas avec la session. Dйplacez-le dans un dossier dont le chemin "
         "ne contient ni signe % ni caractиre de contrфle.",
         "Der Pfad des Programms lдsst sich nicht so schreiben, dass der Desktop es startet: Das "
         "Programm startet nicht mit der Sitzung. Verschieben Sie es in einen Ordner, dessen Pfad "
         "weder ein %-Zeichen noch Steuerzeichen enthдlt.",
         "La ruta del programa no se puede escribir de modo que el escritorio lo inicie: el "
         "programa no se iniciarб con la sesiуn. Muйvalo a una carpeta cuya ruta no contenga el "
         "signo % ni caracteres de control.",
         "Il percorso del programma non puт essere scritto in modo che il desktop lo avvii: il "
         "programma non partirа con la sessione. Spostatelo in una cartella il cui percorso non "
         "contenga il segno % nй caratteri di controllo.",
         "Путь к программе нельзя записать так, чтобы рабочий стол её запустил: программа не будет "
         "запускаться вместе с сеансом. Переместите её в папку, путь к которой не содержит знака % "
         "и управляющих символов.",
     }},
};

}  // namespace

std::span<const MessageEntry> Messages() {
  return kMessages;
}

}  // namespace vokabi::catalogue
