// The page's message box: the desktop's messages and questions, shown in a modal <dialog>.
const box = () => document.getElementById('messageBox') as HTMLDialogElement;
const element = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

export type Answer = 'yes' | 'other' | 'no';

function show(message: string, reason: string, yes: string, no: string | null,
              other: string | null = null): Promise<Answer> {
  element('messageText').textContent = message;
  element('messageReason').textContent = reason;
  const buttons = { yes: element<HTMLButtonElement>('messageYes'), other: element<HTMLButtonElement>('messageOther'),
    no: element<HTMLButtonElement>('messageNo') };
  buttons.yes.textContent = yes;
  buttons.no.hidden = no === null;
  buttons.no.textContent = no ?? '';
  buttons.other.hidden = other === null;
  buttons.other.textContent = other ?? '';
  return new Promise((resolve) => {
    const finish = (answer: Answer) => {
      for (const button of Object.values(buttons)) button.onclick = null;
      box().onclose = null;
      if (box().open) box().close();
      resolve(answer);
    };
    buttons.yes.onclick = () => finish('yes');
    buttons.other.onclick = () => finish('other');
    buttons.no.onclick = () => finish('no');
    // Escape answers no. The close event arrives after the fact: one left over from the previous
    // message must not close this one.
    box().onclose = () => {
      if (!box().open) finish('no');
    };
    box().showModal();
    (no === null ? buttons.yes : buttons.no).focus();
  });
}

export async function showMessage(message: string, reason = ''): Promise<void> {
  await show(message, reason, 'OK', null);
}

export async function ask(question: string, yes: string, no = 'Cancel'): Promise<boolean> {
  return (await show(question, '', yes, no)) === 'yes';
}

// A question with a second way on ("Save", "Discard", "Cancel").
export function askThree(question: string, yes: string, other: string, no = 'Cancel'): Promise<Answer> {
  return show(question, '', yes, no, other);
}

export function dialogOpen(): boolean {
  return document.querySelector('dialog[open]') !== null;
}
