#pragma once
// Car choice beside the main menu: four cars as picture buttons; clicking one starts a game.
namespace vontra {

class TMForm;

void OpenCarChoice(TMForm& form);
void CloseCarChoice(TMForm& form);

}  // namespace vontra
